#include "crash/file_io_win.h"

#include "base/win/wide.h"
#include "logging/log_message.h"

namespace crashpad {

namespace {

constexpr char kSource[] = "file_io_win";

// One ReadFile or WriteFile moves at most this much; larger requests loop.
constexpr DWORD kMaxTransfer = 0x40000000;

int64_t ReadHandle(HANDLE file, void* data, size_t size) {
  const DWORD request = size > kMaxTransfer ? kMaxTransfer : static_cast<DWORD>(size);
  DWORD read = 0;
  if (!::ReadFile(file, data, request, &read, nullptr)) {
    PLOG_AT(ERROR, kSource) << "ReadFile";
    return -1;
  }
  return read;
}

}  // namespace

int64_t FileHandleReaderWriter::Read(void* data, size_t size) {
  return ReadHandle(file_, data, size);
}

bool FileHandleReaderWriter::Write(const void* data, size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const DWORD request = size > kMaxTransfer ? kMaxTransfer : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!::WriteFile(file_, bytes, request, &written, nullptr)) {
      PLOG_AT(ERROR, kSource) << "WriteFile";
      return false;
    }
    if (written == 0) {
      LOG_AT(ERROR, kSource) << "WriteFile wrote nothing";
      return false;
    }
    bytes += written;
    size -= written;
  }
  return true;
}

bool FileHandleReaderWriter::SeekTo(uint64_t offset) {
  // SetFilePointer with the high part: Windows XP's way to a 64-bit position.
  LONG high = static_cast<LONG>(offset >> 32);
  ::SetLastError(NO_ERROR);
  const DWORD low =
      ::SetFilePointer(file_, static_cast<LONG>(offset & 0xffffffffu), &high, FILE_BEGIN);
  if (low == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR) {
    PLOG_AT(ERROR, kSource) << "SetFilePointer";
    return false;
  }
  return true;
}

bool FileReader::Open(const std::wstring& path) {
  file_.Reset(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file_.IsValid()) {
    PLOG_AT(ERROR, kSource) << "CreateFile " << base::win::FromWide(path.c_str());
    return false;
  }
  return true;
}

void FileReader::Close() {
  if (!file_.Close())
    PLOG_AT(ERROR, kSource) << "CloseHandle";
}

int64_t FileReader::Read(void* data, size_t size) {
  if (!file_.IsValid()) {
    LOG_AT(ERROR, kSource) << "read of a file that is not open";
    return -1;
  }
  return ReadHandle(file_.Get(), data, size);
}

}  // namespace crashpad
