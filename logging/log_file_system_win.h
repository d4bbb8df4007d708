// The file logger's operations over Win32: a named mutex, CreateFileW with
// append access, ReplaceFileW / MoveFileW, and CryptoAPI MD5.
#ifndef LOGGING_LOG_FILE_SYSTEM_WIN_H_
#define LOGGING_LOG_FILE_SYSTEM_WIN_H_

#include <memory>

#include "logging/log_file_system.h"

namespace logging {

std::unique_ptr<LogFileSystem> CreateWinLogFileSystem();

}  // namespace logging

#endif  // LOGGING_LOG_FILE_SYSTEM_WIN_H_
