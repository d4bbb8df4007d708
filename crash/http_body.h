// Request bodies that the transport pulls from piece by piece, so that a large
// dump is never held in memory whole.
#ifndef CRASH_HTTP_BODY_H_
#define CRASH_HTTP_BODY_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "crash/file_io.h"

namespace crashpad {

class BodyStream {
 public:
  virtual ~BodyStream() = default;
  // Copies up to |max_size| bytes into |buffer|: the count, 0 at the end of
  // the body, -1 on an error.
  virtual int64_t Read(uint8_t* buffer, size_t max_size) = 0;
};

// Serves a fixed byte string.
class StringBodyStream : public BodyStream {
 public:
  explicit StringBodyStream(std::string bytes) : bytes_(std::move(bytes)) {}
  int64_t Read(uint8_t* buffer, size_t max_size) override;

 private:
  std::string bytes_;
  size_t position_ = 0;
};

// Serves a file through its reader, which the caller keeps open (and owns)
// while the body is read.
class FileBodyStream : public BodyStream {
 public:
  explicit FileBodyStream(FileReaderInterface* reader) : reader_(reader) {}
  int64_t Read(uint8_t* buffer, size_t max_size) override;

 private:
  FileReaderInterface* reader_;
};

// Serves its members one after the other.
class CompositeBodyStream : public BodyStream {
 public:
  explicit CompositeBodyStream(std::vector<std::unique_ptr<BodyStream>> parts)
      : parts_(std::move(parts)) {}
  int64_t Read(uint8_t* buffer, size_t max_size) override;

 private:
  std::vector<std::unique_ptr<BodyStream>> parts_;
  size_t current_ = 0;
};

}  // namespace crashpad

#endif  // CRASH_HTTP_BODY_H_
