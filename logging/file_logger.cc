#include "logging/file_logger.h"

#include "logging/file_error.h"
#include "logging/log_format.h"

namespace logging {

namespace {

size_t LastSeparator(base::StringPiece16 path) {
  return path.find_last_of(u"\\/");
}

base::String16 LockNameFor(const base::String16& path, LogFileSystem* file_system) {
  return u"broupdater log " + base::ASCIIToUTF16(file_system->Md5Hex(base::UTF16ToUTF8(path)));
}

}  // namespace

FileLogger::FileLogger(base::String16 path,
                       int64_t max_size,
                       std::unique_ptr<LogFileSystem> file_system)
    : path_(std::move(path)),
      max_size_(max_size),
      file_system_(std::move(file_system)),
      lock_name_(LockNameFor(path_, file_system_.get())) {}

base::String16 FileLogger::OldLogPath(base::StringPiece16 path) {
  const size_t separator = LastSeparator(path);
  const size_t dot = path.rfind(u'.');
  base::String16 old(path);
  if (dot == base::StringPiece16::npos ||
      (separator != base::StringPiece16::npos && dot < separator)) {
    return old + u"_old";
  }
  old.insert(dot, u"_old");
  return old;
}

base::String16 FileLogger::DirectoryOf(base::StringPiece16 path) {
  const size_t separator = LastSeparator(path);
  if (separator == base::StringPiece16::npos)
    return base::String16();
  return base::String16(path.substr(0, separator));
}

int FileLogger::Rotate() {
  const base::String16 old_path = OldLogPath(path_);
  uint32_t replace_error = 0;
  if (file_system_->ReplaceOldLog(old_path, path_, &replace_error))
    return 0;
  uint32_t move_error = 0;
  if (file_system_->MoveLog(path_, old_path, &move_error))
    return 0;
  int error = FileErrorFromSystemError(replace_error);
  if (error == FILE_ERROR_NOT_FOUND)
    error = FileErrorFromSystemError(move_error);
  return error;
}

void FileLogger::Emit(const LogRecord& record) {
  std::string prefix;
  std::string suffix;
  if (!FormatLogPrefix(record.time, record.process_id, record.thread_id, &prefix) ||
      !FormatLocationSuffix(record.function, record.line, &suffix)) {
    return;
  }

  // The record is written whether or not the lock was obtained; only a note
  // tells the reader that lines may interleave.
  const std::unique_ptr<LogLock> lock = file_system_->Lock(lock_name_, kLogLockTimeoutMs);

  const base::String16 directory = DirectoryOf(path_);
  if (!directory.empty() && !file_system_->CreateDirectories(directory))
    return;

  std::unique_ptr<LogFile> file = file_system_->OpenForAppend(path_);
  if (!file)
    return;

  std::string buffer;
  int64_t length = 0;
  if (!rotation_failed_ && file->GetLength(&length) &&
      length + static_cast<int64_t>(prefix.size() + record.message.size()) >= max_size_) {
    file.reset();
    const int error = Rotate();
    file = file_system_->OpenForAppend(path_);
    if (file && error != 0) {
      rotation_failed_ = true;
      buffer = prefix + "LOGGING: Failed to rotate log file " + base::UTF16ToUTF8(path_) + ": " +
               std::to_string(error) + "\n";
    }
  }
  if (!file)
    return;

  if (lock->result() == LockResult::kFailed && !lock_failure_reported_.exchange(true))
    buffer += prefix + "LOGGING: Failed to lock log file " + base::UTF16ToUTF8(path_) + "\n";
  if (lock->result() == LockResult::kAbandoned) {
    buffer += prefix + "LOGGING: Abandoned log mutex recovered for file " +
              base::UTF16ToUTF8(path_) + "\n";
  }
  buffer += prefix;
  buffer += LogLevelName(record.level);
  buffer += ": ";
  buffer += record.message;
  buffer += suffix;
  buffer += '\n';
  file->Append(buffer);
}

}  // namespace logging
