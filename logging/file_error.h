// Negative file error numbers, as the log reports a failed rotation.
#ifndef LOGGING_FILE_ERROR_H_
#define LOGGING_FILE_ERROR_H_

#include <cstdint>

namespace logging {

enum FileError : int {
  FILE_ERROR_FAILED = -1,
  FILE_ERROR_IN_USE = -2,
  FILE_ERROR_EXISTS = -3,
  FILE_ERROR_NOT_FOUND = -4,
  FILE_ERROR_ACCESS_DENIED = -5,
  FILE_ERROR_TOO_MANY_OPENED = -6,
  FILE_ERROR_NO_MEMORY = -7,
  FILE_ERROR_NO_SPACE = -8,
  FILE_ERROR_ABORT = -10,
  FILE_ERROR_IO = -16,
};

// Maps a Windows system error code to its file error number.
FileError FileErrorFromSystemError(uint32_t system_error);

}  // namespace logging

#endif  // LOGGING_FILE_ERROR_H_
