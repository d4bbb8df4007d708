// What a crash inside the guarded network open call left behind, and the one
// known cause of such crashes.
#ifndef INSTALLER_UTIL_DOWNLOAD_ERROR_INFO_H_
#define INSTALLER_UTIL_DOWNLOAD_ERROR_INFO_H_

#include <cstdint>
#include <string>

namespace installer {

// The exception code of a delay-loaded module that was not found.
constexpr uint32_t kDelayLoadModuleNotFound = 0xC06D007E;

struct DownloadErrorInfo {
  uint32_t code = 0;
  std::string dll_name;
  std::string proc_name;
};

// "Exception with code=<decimal>" then "dll_name=<name>" and
// "proc_name=<name>" when known, joined without separators.
std::string FormatExceptionInfo(const DownloadErrorInfo& info);

// A cryptography provider module (cplib.dll) that failed to load inside the
// open call.
bool IsCryptoProConflict(const DownloadErrorInfo& info);

}  // namespace installer

#endif  // INSTALLER_UTIL_DOWNLOAD_ERROR_INFO_H_
