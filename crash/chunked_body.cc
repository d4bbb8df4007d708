#include "crash/chunked_body.h"

#include <cstdio>
#include <cstring>

namespace crashpad {

namespace {

constexpr size_t kHeaderSize = 10;  // eight hexadecimal digits and CRLF
constexpr size_t kTrailerSize = 2;

}  // namespace

ChunkedBodyFramer::ChunkedBodyFramer(BodyStream* body)
    : body_(body), buffer_(new char[kHeaderSize + kMaxChunkData + kTrailerSize]) {}

ChunkedBodyFramer::~ChunkedBodyFramer() = default;

ChunkedBodyFramer::Chunk ChunkedBodyFramer::Next() {
  if (state_ != Status::kChunk)
    return {state_, {}};
  char* data = buffer_.get() + kHeaderSize;
  const int64_t count = body_->Read(reinterpret_cast<uint8_t*>(data), kMaxChunkData);
  if (count < 0 || static_cast<uint64_t>(count) > kMaxChunkData) {
    state_ = Status::kError;
    return {state_, {}};
  }
  // The header is written with its terminating zero over the first data
  // byte, so it is formatted into a separate array first.
  char header[kHeaderSize + 1];
  std::snprintf(header, sizeof(header), "%08x\r\n", static_cast<unsigned>(count));
  std::memcpy(buffer_.get(), header, kHeaderSize);
  std::memcpy(data + count, "\r\n", kTrailerSize);
  if (count == 0)
    state_ = Status::kDone;
  return {Status::kChunk,
          std::string_view(buffer_.get(), kHeaderSize + static_cast<size_t>(count) + kTrailerSize)};
}

}  // namespace crashpad
