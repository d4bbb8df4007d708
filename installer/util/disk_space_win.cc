#include "installer/util/disk_space.h"

#include <shlobj.h>
#include <windows.h>

#include "logging/log_message.h"

namespace installer {

bool HasEnoughDiskSpace(bool system_level, uint32_t required_bytes) {
  wchar_t folder[MAX_PATH];
  if (FAILED(::SHGetFolderPathW(nullptr, system_level ? CSIDL_PROGRAM_FILES : CSIDL_LOCAL_APPDATA,
                                nullptr, SHGFP_TYPE_CURRENT, folder))) {
    LOG(INFO) << "SHGetFolderPath failed";
    return true;
  }
  ULARGE_INTEGER available;
  if (!::GetDiskFreeSpaceExW(folder, &available, nullptr, nullptr)) {
    LOG(INFO) << "GetDiskFreeSpaceEx failed";
    return true;
  }
  if (available.QuadPart >= required_bytes)
    return true;
  LOG(INFO) << "There is not enough disk space to install browser";
  return false;
}

}  // namespace installer
