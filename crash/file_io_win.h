// The crash reporter's file interfaces over a Windows file handle: the dump
// is fixed up and uploaded through these.
#ifndef CRASH_FILE_IO_WIN_H_
#define CRASH_FILE_IO_WIN_H_

#include <windows.h>

#include <string>

#include "base/win/scoped_handle_win.h"
#include "crash/file_io.h"

namespace crashpad {

// Reads, writes and seeks through a handle that the caller keeps open.
class FileHandleReaderWriter : public FileReaderWriterInterface {
 public:
  explicit FileHandleReaderWriter(HANDLE file) : file_(file) {}

  int64_t Read(void* data, size_t size) override;
  bool Write(const void* data, size_t size) override;
  bool SeekTo(uint64_t offset) override;

 private:
  HANDLE file_;
};

// A file opened for reading, shared for reading and writing, that must exist.
class FileReader : public FileReaderInterface {
 public:
  FileReader() = default;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  // False (logged) when the file cannot be opened.
  bool Open(const std::wstring& path);
  // Logs a failed close.
  void Close();
  int64_t Read(void* data, size_t size) override;

 private:
  base::win::ScopedHandle file_;
};

}  // namespace crashpad

#endif  // CRASH_FILE_IO_WIN_H_
