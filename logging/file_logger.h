// The log sink that appends each record to one file shared by every installer
// process, under a named cross-process lock, rotating the file to "<name>_old"
// once it reaches its size limit.
#ifndef LOGGING_FILE_LOGGER_H_
#define LOGGING_FILE_LOGGER_H_

#include <atomic>
#include <cstdint>
#include <memory>

#include "base/strings.h"
#include "logging/log_file_system.h"
#include "logging/log_message.h"

namespace logging {

// How long a writer waits for another writer before writing anyway.
constexpr uint32_t kLogLockTimeoutMs = 1000;

class FileLogger : public LogSink {
 public:
  FileLogger(base::String16 path, int64_t max_size, std::unique_ptr<LogFileSystem> file_system);

  void Emit(const LogRecord& record) override;

  // "dir\lite_installer.log" -> "dir\lite_installer_old.log".
  static base::String16 OldLogPath(base::StringPiece16 path);
  // The directory part of |path| (empty when it has none).
  static base::String16 DirectoryOf(base::StringPiece16 path);

  const base::String16& lock_name() const { return lock_name_; }

 private:
  // Moves the full log aside. Returns 0 on success, else the file error number.
  int Rotate();

  const base::String16 path_;
  const int64_t max_size_;
  const std::unique_ptr<LogFileSystem> file_system_;
  const base::String16 lock_name_;
  std::atomic<bool> rotation_failed_{false};
  std::atomic<bool> lock_failure_reported_{false};
};

}  // namespace logging

#endif  // LOGGING_FILE_LOGGER_H_
