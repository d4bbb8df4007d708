#include "installer/util/windows_version_win.h"

#include <windows.h>

#include "base/win/registry_value_win.h"
#include "base/win/system_function_win.h"
#include "installer/util/windows_version.h"

namespace installer {

WindowsVersion GetWindowsVersion() {
  WindowsVersion version;
  // RtlGetVersion is not subject to the compatibility shims of GetVersionEx.
  using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
  const auto rtl_get_version =
      base::win::GetSystemFunction<RtlGetVersionFunction>(L"ntdll.dll", "RtlGetVersion");
  OSVERSIONINFOW info = {};
  info.dwOSVersionInfoSize = sizeof(info);
  if (rtl_get_version && rtl_get_version(&info) == 0) {
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.build = info.dwBuildNumber;
  }
  const base::win::RegistryDword ubr = base::win::ReadRegistryDword(
      HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"UBR",
      KEY_READ | KEY_WOW64_64KEY);
  if (ubr.found())
    version.update_build = ubr.value;
  return version;
}

int GetWindowVersionNumber() {
  const WindowsVersion version = GetWindowsVersion();
  return WindowVersionNumber(version.major, version.minor);
}

}  // namespace installer
