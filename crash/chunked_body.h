// Chunked transfer framing of a body: each read of up to 32,768 bytes becomes
// one chunk, "%08x" CRLF bytes CRLF, and the end of the body the final chunk
// "00000000" CRLF CRLF.
#ifndef CRASH_CHUNKED_BODY_H_
#define CRASH_CHUNKED_BODY_H_

#include <cstdint>
#include <memory>
#include <string_view>

#include "crash/http_body.h"

namespace crashpad {

class ChunkedBodyFramer {
 public:
  static constexpr size_t kMaxChunkData = 32768;

  enum class Status { kChunk, kDone, kError };
  struct Chunk {
    Status status;
    // Header, data and trailer, valid until the next call; empty unless
    // |status| is kChunk.
    std::string_view bytes;
  };

  explicit ChunkedBodyFramer(BodyStream* body);
  ChunkedBodyFramer(const ChunkedBodyFramer&) = delete;
  ChunkedBodyFramer& operator=(const ChunkedBodyFramer&) = delete;
  ~ChunkedBodyFramer();

  // The next chunk to write; the final chunk is the last kChunk, then kDone.
  // A failed body read gives kError, and kError stays.
  Chunk Next();

 private:
  BodyStream* body_;
  std::unique_ptr<char[]> buffer_;
  Status state_ = Status::kChunk;
};

}  // namespace crashpad

#endif  // CRASH_CHUNKED_BODY_H_
