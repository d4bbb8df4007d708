#include "installer/lite_installer/startup/secure_environment_win.h"

#include <windows.h>

#include "base/win/system_function_win.h"

namespace lite_installer {

namespace {

constexpr DWORD kSafeSearchModePermanent = 0x8001;  // BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE
                                                    // | BASE_SEARCH_PATH_PERMANENT
constexpr DWORD kSearchSystem32Only = 0x800;        // LOAD_LIBRARY_SEARCH_SYSTEM32

using SetSearchPathModeFunction = BOOL(WINAPI*)(DWORD);
using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

}  // namespace

SecureEnvironmentResult CheckSecureEnvironment(int* exit_code) {
  *exit_code = 0;
  ::SetDllDirectoryW(L"");
  const auto set_search_path_mode =
      base::win::GetSystemFunction<SetSearchPathModeFunction>(L"kernel32.dll", "SetSearchPathMode");
  const auto set_default_dll_directories =
      base::win::GetSystemFunction<SetDefaultDllDirectoriesFunction>(L"kernel32.dll",
                                                                     "SetDefaultDllDirectories");
  if (set_search_path_mode && set_default_dll_directories) {
    if (set_search_path_mode(kSafeSearchModePermanent) &&
        set_default_dll_directories(kSearchSystem32Only)) {
      return kSecureEnvironment;
    }
    return kSecureEnvironmentNotFound;
  }
  return RunInProtectedDirectory(exit_code);
}

SecureEnvironmentResult RunInProtectedDirectory(int* exit_code) {
  // PENDING: systems this old restart the installer from a fresh directory;
  // until that restart exists the run goes on unprotected, as when the copy
  // cannot start.
  *exit_code = 0;
  ::SetDllDirectoryW(L"");
  return kSecureEnvironmentNotFound;
}

}  // namespace lite_installer
