// The files the crash reporter reads and writes, behind small interfaces so
// that the dump fix-up and the upload run over a Windows file handle in the
// program and over a memory buffer in the tests.
#ifndef CRASH_FILE_IO_H_
#define CRASH_FILE_IO_H_

#include <cstddef>
#include <cstdint>

namespace crashpad {

class FileReaderInterface {
 public:
  virtual ~FileReaderInterface() = default;
  // Reads up to |size| bytes at the current position: the count read, 0 at
  // the end of the file, -1 on an error.
  virtual int64_t Read(void* data, size_t size) = 0;
};

class FileReaderWriterInterface : public FileReaderInterface {
 public:
  // Writes |size| bytes at the current position: false unless all of them
  // were written.
  virtual bool Write(const void* data, size_t size) = 0;
  // Moves to |offset| bytes from the start of the file: false on an error.
  virtual bool SeekTo(uint64_t offset) = 0;
};

// Reads exactly |size| bytes, looping over short reads; false when the file
// ends first or a read fails.
bool ReadExactly(FileReaderInterface* file, void* data, size_t size);

}  // namespace crashpad

#endif  // CRASH_FILE_IO_H_
