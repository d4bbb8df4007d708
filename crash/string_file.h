// A file held in memory: the read/write/seek interface over a byte string,
// for dumps and bodies that never touch the disk.
#ifndef CRASH_STRING_FILE_H_
#define CRASH_STRING_FILE_H_

#include <string>

#include "crash/file_io.h"

namespace crashpad {

class StringFile : public FileReaderWriterInterface {
 public:
  StringFile() = default;
  explicit StringFile(std::string contents) : contents_(std::move(contents)) {}

  int64_t Read(void* data, size_t size) override;
  // Writing past the end grows the file; a gap left by a seek is zero-filled.
  bool Write(const void* data, size_t size) override;
  bool SeekTo(uint64_t offset) override;

  const std::string& contents() const { return contents_; }
  uint64_t position() const { return position_; }

 private:
  std::string contents_;
  uint64_t position_ = 0;
};

}  // namespace crashpad

#endif  // CRASH_STRING_FILE_H_
