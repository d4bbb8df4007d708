// The file and lock operations the file logger performs for each record.
// The Win32 adapter does each with one system call sequence; tests substitute
// a fake to exercise rotation and its failures.
#ifndef LOGGING_LOG_FILE_SYSTEM_H_
#define LOGGING_LOG_FILE_SYSTEM_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/strings.h"

namespace logging {

enum class LockResult { kAcquired, kAbandoned, kFailed };

// A held (or attempted) cross-process lock; destroying it releases the lock
// when it was obtained and closes the handle.
class LogLock {
 public:
  virtual ~LogLock() = default;
  virtual LockResult result() const = 0;
};

// A log file open for appending; destroying it closes the file.
class LogFile {
 public:
  virtual ~LogFile() = default;
  virtual bool GetLength(int64_t* length) = 0;
  // One write of the whole buffer at the end of the file.
  virtual bool Append(std::string_view data) = 0;
};

class LogFileSystem {
 public:
  virtual ~LogFileSystem() = default;

  // Lower-case hexadecimal MD5 digest of |data|.
  virtual std::string Md5Hex(std::string_view data) = 0;
  virtual std::unique_ptr<LogLock> Lock(const base::String16& name, uint32_t timeout_ms) = 0;
  // Creates |directory| and its parents when missing.
  virtual bool CreateDirectories(const base::String16& directory) = 0;
  // Opens or creates |path| for appending; null on failure.
  virtual std::unique_ptr<LogFile> OpenForAppend(const base::String16& path) = 0;
  // Replaces |replaced| by |replacement|; on failure |*error| is the system error.
  virtual bool ReplaceOldLog(const base::String16& replaced,
                             const base::String16& replacement,
                             uint32_t* error) = 0;
  virtual bool MoveLog(const base::String16& from, const base::String16& to, uint32_t* error) = 0;
};

}  // namespace logging

#endif  // LOGGING_LOG_FILE_SYSTEM_H_
