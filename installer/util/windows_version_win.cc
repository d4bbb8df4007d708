#include "installer/util/windows_version_win.h"

#include <windows.h>

namespace installer {

WindowsVersion GetWindowsVersion() {
  WindowsVersion version;
  // RtlGetVersion is not subject to the compatibility shims of GetVersionEx.
  using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
  const auto rtl_get_version = reinterpret_cast<RtlGetVersionFunction>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  OSVERSIONINFOW info = {};
  info.dwOSVersionInfoSize = sizeof(info);
  if (rtl_get_version && rtl_get_version(&info) == 0) {
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.build = info.dwBuildNumber;
  }
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                      KEY_READ | KEY_WOW64_64KEY, &key) == ERROR_SUCCESS) {
    DWORD ubr = 0;
    DWORD size = sizeof(ubr);
    DWORD type = 0;
    if (::RegQueryValueExW(key, L"UBR", nullptr, &type, reinterpret_cast<BYTE*>(&ubr), &size) ==
            ERROR_SUCCESS &&
        type == REG_DWORD) {
      version.update_build = ubr;
    }
    ::RegCloseKey(key);
  }
  return version;
}

}  // namespace installer
