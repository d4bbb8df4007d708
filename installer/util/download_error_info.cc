#include "installer/util/download_error_info.h"

#include "base/strings.h"

namespace installer {

std::string FormatExceptionInfo(const DownloadErrorInfo& info) {
  std::string text = "Exception with code=" + std::to_string(info.code);
  if (!info.dll_name.empty())
    text += "dll_name=" + info.dll_name;
  if (!info.proc_name.empty())
    text += "proc_name=" + info.proc_name;
  return text;
}

bool IsCryptoProConflict(const DownloadErrorInfo& info) {
  return info.code == kDelayLoadModuleNotFound &&
         base::EqualsCaseInsensitiveASCII(info.dll_name, "cplib.dll") &&
         base::ToLowerASCII(info.proc_name).find("cryptopro") != std::string::npos;
}

}  // namespace installer
