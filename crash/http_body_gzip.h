// A body that serves the gzip compression of another body.
#ifndef CRASH_HTTP_BODY_GZIP_H_
#define CRASH_HTTP_BODY_GZIP_H_

#include <memory>

#include "crash/http_body.h"

namespace crashpad {

class GzipBodyStream : public BodyStream {
 public:
  // The source is pulled in blocks of this many bytes at most.
  static constexpr size_t kSourceBlockSize = 4096;

  explicit GzipBodyStream(std::unique_ptr<BodyStream> source);
  GzipBodyStream(const GzipBodyStream&) = delete;
  GzipBodyStream& operator=(const GzipBodyStream&) = delete;
  ~GzipBodyStream() override;

  // After an error every further read fails too.
  int64_t Read(uint8_t* buffer, size_t max_size) override;

 private:
  enum class State { kNew, kCompressing, kSourceDone, kFinished, kFailed };
  struct Zlib;

  std::unique_ptr<BodyStream> source_;
  std::unique_ptr<Zlib> zlib_;
  State state_ = State::kNew;
};

}  // namespace crashpad

#endif  // CRASH_HTTP_BODY_GZIP_H_
