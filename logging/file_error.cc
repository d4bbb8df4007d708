#include "logging/file_error.h"

namespace logging {

FileError FileErrorFromSystemError(uint32_t system_error) {
  switch (system_error) {
    case 2:  // file not found
    case 3:  // path not found
      return FILE_ERROR_NOT_FOUND;
    case 4:  // too many open files
      return FILE_ERROR_TOO_MANY_OPENED;
    case 5:   // access denied
    case 33:  // lock violation
      return FILE_ERROR_ACCESS_DENIED;
    case 8:   // not enough memory
    case 14:  // out of memory
      return FILE_ERROR_NO_MEMORY;
    case 21:    // not ready
    case 27:    // sector not found
    case 31:    // general failure
    case 55:    // device not available
    case 1117:  // I/O device error
    case 1127:  // disk operation failed
    case 1392:  // file corrupt
    case 1393:  // disk corrupt
      return FILE_ERROR_IO;
    case 32:    // sharing violation
    case 1175:  // unable to remove replaced
    case 1176:  // unable to move replacement
    case 1177:  // unable to move replacement 2
      return FILE_ERROR_IN_USE;
    case 39:   // handle disk full
    case 112:  // disk full
    case 314:  // insufficient resources (disk)
      return FILE_ERROR_NO_SPACE;
    case 80:   // file exists
    case 183:  // already exists
      return FILE_ERROR_EXISTS;
    case 1224:  // user-mapped section open
      return FILE_ERROR_ABORT;
    default:
      return FILE_ERROR_FAILED;
  }
}

}  // namespace logging
