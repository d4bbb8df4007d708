#include "logging/log_file_system_win.h"

#include <windows.h>

#include <vector>

#include "base/hex.h"
#include "base/win/crypt_hash_win.h"
#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"

namespace logging {

namespace {

using base::String16;
using base::win::AsWide;
using base::win::ScopedHandle;

class WinLogLock : public LogLock {
 public:
  WinLogLock(HANDLE mutex, LockResult result) : mutex_(mutex), result_(result) {}
  ~WinLogLock() override {
    if (mutex_.IsValid() && result_ != LockResult::kFailed)
      ::ReleaseMutex(mutex_.Get());
  }
  LockResult result() const override { return result_; }

 private:
  ScopedHandle mutex_;
  const LockResult result_;
};

class WinLogFile : public LogFile {
 public:
  explicit WinLogFile(HANDLE file) : file_(file) {}

  bool GetLength(int64_t* length) override {
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file_.Get(), &size))
      return false;
    *length = size.QuadPart;
    return true;
  }

  bool Append(std::string_view data) override {
    DWORD written = 0;
    return ::WriteFile(file_.Get(), data.data(), static_cast<DWORD>(data.size()), &written,
                       nullptr) &&
           written == data.size();
  }

 private:
  ScopedHandle file_;
};

class WinLogFileSystem : public LogFileSystem {
 public:
  std::string Md5Hex(std::string_view data) override {
    const std::vector<uint8_t> digest =
        base::win::HashBytes(base::win::HashAlgorithm::kMd5, data.data(), data.size());
    return base::HexEncode(digest.data(), digest.size());
  }

  std::unique_ptr<LogLock> Lock(const String16& name, uint32_t timeout_ms) override {
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, AsWide(name));
    LockResult result = LockResult::kFailed;
    if (mutex) {
      switch (::WaitForSingleObject(mutex, timeout_ms)) {
        case WAIT_OBJECT_0:
          result = LockResult::kAcquired;
          break;
        case WAIT_ABANDONED:
          result = LockResult::kAbandoned;
          break;
        default:
          break;
      }
    }
    return std::make_unique<WinLogLock>(mutex, result);
  }

  bool CreateDirectories(const String16& directory) override {
    const DWORD attributes = ::GetFileAttributesW(AsWide(directory));
    if (attributes != INVALID_FILE_ATTRIBUTES)
      return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    // Create the parent first; a drive root ("C:") or a share stops the walk.
    const size_t separator = directory.find_last_of(u"\\/");
    if (separator != String16::npos && separator > 0 && directory[separator - 1] != u':' &&
        directory[separator - 1] != u'\\') {
      if (!CreateDirectories(directory.substr(0, separator)))
        return false;
    }
    return ::CreateDirectoryW(AsWide(directory), nullptr) ||
           ::GetLastError() == ERROR_ALREADY_EXISTS;
  }

  std::unique_ptr<LogFile> OpenForAppend(const String16& path) override {
    // Append access makes every write land at the current end of the file,
    // also when another process appended since. Sharing delete lets another
    // writer rotate the file.
    HANDLE file = ::CreateFileW(AsWide(path), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
      return nullptr;
    return std::make_unique<WinLogFile>(file);
  }

  bool ReplaceOldLog(const String16& replaced,
                     const String16& replacement,
                     uint32_t* error) override {
    if (::ReplaceFileW(AsWide(replaced), AsWide(replacement), nullptr,
                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
      return true;
    }
    *error = ::GetLastError();
    return false;
  }

  bool MoveLog(const String16& from, const String16& to, uint32_t* error) override {
    if (::MoveFileW(AsWide(from), AsWide(to)))
      return true;
    *error = ::GetLastError();
    return false;
  }
};

}  // namespace

std::unique_ptr<LogFileSystem> CreateWinLogFileSystem() {
  return std::make_unique<WinLogFileSystem>();
}

}  // namespace logging
