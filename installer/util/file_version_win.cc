#include <windows.h>

#include <vector>

#include "base/win/wide.h"
#include "installer/util/file_version.h"
#include "logging/log_message.h"

namespace installer {

bool GetFileVersion(const base::String16& path, uint64_t* version) {
  DWORD handle = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(base::win::AsWide(path), &handle);
  if (size == 0)
    return false;
  std::vector<BYTE> data(size);
  if (!::GetFileVersionInfoW(base::win::AsWide(path), 0, size, data.data()))
    return false;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT info_size = 0;
  if (!::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &info_size) ||
      info_size < sizeof(VS_FIXEDFILEINFO)) {
    return false;
  }
  *version = (static_cast<uint64_t>(info->dwProductVersionMS) << 32) | info->dwProductVersionLS;
  LOG(INFO) << "File: " << path << " Version: " << static_cast<uint32_t>(info->dwProductVersionMS)
            << "." << static_cast<uint32_t>(info->dwProductVersionLS);
  return true;
}

}  // namespace installer

std::string GetFileVersionString(const base::String16& path) {
  uint64_t version = 0;
  return installer::GetFileVersion(path, &version) ? installer::FormatFileVersion(version)
                                                   : "0.0.0.0";
}
