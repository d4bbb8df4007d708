#include "crash/http_body_gzip.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <string>

#include "logging/log_message.h"

namespace crashpad {

namespace {

constexpr char kSourceName[] = "http_body_gzip";
// 15 bits of window (32 KiB), plus 16 for the gzip header and trailer.
constexpr int kGzipWindowBits = 15 + 16;
constexpr int kMemoryLevel = 8;

std::string ZlibError(const z_stream& stream, int code) {
  std::string text = stream.msg ? stream.msg : zError(code);
  text += " (" + std::to_string(code) + ")";
  return text;
}

}  // namespace

struct GzipBodyStream::Zlib {
  z_stream stream{};
  uint8_t input[kSourceBlockSize];
};

GzipBodyStream::GzipBodyStream(std::unique_ptr<BodyStream> source)
    : source_(std::move(source)), zlib_(std::make_unique<Zlib>()) {}

GzipBodyStream::~GzipBodyStream() {
  // A body abandoned before its end still frees zlib's state; zlib reports
  // such an early end as an error, which is expected here.
  if (state_ == State::kCompressing || state_ == State::kSourceDone)
    deflateEnd(&zlib_->stream);
}

int64_t GzipBodyStream::Read(uint8_t* buffer, size_t max_size) {
  z_stream& stream = zlib_->stream;
  if (state_ == State::kFailed)
    return -1;
  if (state_ == State::kFinished || max_size == 0)
    return 0;
  if (state_ == State::kNew) {
    const int result = deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipWindowBits,
                                    kMemoryLevel, Z_DEFAULT_STRATEGY);
    if (result != Z_OK) {
      LOG_AT(ERROR, kSourceName) << "deflateInit2: " << ZlibError(stream, result);
      state_ = State::kFailed;
      return -1;
    }
    state_ = State::kCompressing;
  }

  // zlib counts in 32 bits.
  const uInt out_size =
      static_cast<uInt>(std::min<size_t>(max_size, std::numeric_limits<uInt>::max()));
  stream.next_out = buffer;
  stream.avail_out = out_size;
  while (stream.avail_out > 0) {
    if (state_ == State::kCompressing && stream.avail_in == 0) {
      const int64_t count = source_->Read(zlib_->input, sizeof(zlib_->input));
      if (count < 0 || static_cast<uint64_t>(count) > sizeof(zlib_->input)) {
        deflateEnd(&stream);
        state_ = State::kFailed;
        return -1;
      }
      if (count == 0) {
        state_ = State::kSourceDone;
      } else {
        stream.next_in = zlib_->input;
        stream.avail_in = static_cast<uInt>(count);
      }
    }
    const bool finish = state_ == State::kSourceDone;
    const int result = deflate(&stream, finish ? Z_FINISH : Z_NO_FLUSH);
    if (finish && result == Z_STREAM_END) {
      const int end_result = deflateEnd(&stream);
      if (end_result != Z_OK) {
        LOG_AT(ERROR, kSourceName) << "deflateEnd: " << ZlibError(stream, end_result);
        state_ = State::kFailed;
        return -1;
      }
      state_ = State::kFinished;
      break;
    }
    // Z_BUF_ERROR only says that this call could make no progress.
    if (result != Z_OK && result != Z_BUF_ERROR) {
      LOG_AT(ERROR, kSourceName) << "deflate: " << ZlibError(stream, result);
      deflateEnd(&stream);
      state_ = State::kFailed;
      return -1;
    }
  }
  return static_cast<int64_t>(out_size - stream.avail_out);
}

}  // namespace crashpad
