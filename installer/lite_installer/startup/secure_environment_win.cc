#include "installer/lite_installer/startup/secure_environment_win.h"

#include <windows.h>

#include "base/win/scoped_handle_win.h"
#include "base/win/system_function_win.h"
#include "base/win/wide.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "installer/lite_installer/startup/protected_directory.h"
#include "installer/lite_installer/startup/protected_directory_win.h"

namespace lite_installer {

namespace {

constexpr DWORD kSafeSearchModePermanent = 0x8001;  // BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE
                                                    // | BASE_SEARCH_PATH_PERMANENT
constexpr DWORD kSearchSystem32Only = 0x800;        // LOAD_LIBRARY_SEARCH_SYSTEM32

using SetSearchPathModeFunction = BOOL(WINAPI*)(DWORD);
using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

// Copies the executable into |directory|, runs the copy there and waits for
// it; the directory itself is left to the caller.
SecureEnvironmentResult RunCopyIn(const base::String16& directory,
                                  const base::String16& own_path,
                                  const base::CommandLine& command_line,
                                  int* exit_code) {
  const base::String16 copy_path = JoinPath(directory, BaseNameOf(own_path));
  if (own_path.empty() ||
      !::CopyFileW(base::win::AsWide(own_path), base::win::AsWide(copy_path), FALSE)) {
    return kSecureEnvironmentNotFound;
  }
  // Should this process die before it removes them, the system does at the
  // next restart (the directory after the file in it).
  ScheduleDeletionAtRestart(copy_path);
  ScheduleDeletionAtRestart(directory);

  base::win::ScopedHandle copy =
      StartProcessIn(copy_path, ProtectedCopyCommandLine(command_line, copy_path), directory);
  if (!copy.IsValid())
    return kSecureEnvironmentNotFound;
  const bool ended = ::WaitForSingleObject(copy.Get(), INFINITE) == WAIT_OBJECT_0;
  DWORD copy_exit_code = 0;
  const bool exit_code_known = ended && ::GetExitCodeProcess(copy.Get(), &copy_exit_code);
  const ProtectedCopyOutcome outcome =
      OutcomeOfProtectedCopy(ended, exit_code_known, copy_exit_code);
  *exit_code = outcome.exit_code;
  return outcome.result;
}

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
  *exit_code = 0;
  ::SetDllDirectoryW(L"");
  const base::String16 own_path = GetOwnExecutablePath();
  const base::CommandLine& command_line = ProcessCommandLine();
  if (IsProtectedCopyOrElevatedChild(command_line))
    return HasDllFilesBeside(own_path) ? kDllFilesInWorkingDirectory : kSecureEnvironment;

  const base::String16 directory = CreateProtectedDirectory();
  if (directory.empty())
    return kSecureEnvironmentNotFound;
  const SecureEnvironmentResult result = RunCopyIn(directory, own_path, command_line, exit_code);
  DeleteDirectoryTree(directory);
  return result;
}

}  // namespace lite_installer
