#include "installer/lite_installer/elevation/elevated_child_win.h"

#include <windows.h>

#include "base/command_line.h"
#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "installer/lite_installer/elevation/remote_progress_observer_win.h"
#include "installer/lite_installer/engine/delayed_params.h"
#include "installer/lite_installer/engine/elevation_events.h"
#include "installer/lite_installer/engine/installer_win.h"
#include "installer/lite_installer/engine/shared_delayed_params_win.h"
#include "installer/lite_installer/exit_codes.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "logging/log_message.h"

namespace {

using lite_installer::kExitElevatedRunFailed;
using lite_installer::ProcessCommandLine;
using lite_installer::RemoteProgressObserver;

using lite_installer::kElevationCancelEventName;
using lite_installer::kElevationGoEventName;

// The site icon goes to the setup only when there is something to show.
bool IsNonEmptyFile(const base::String16& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!::GetFileAttributesExW(base::win::AsWide(path), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
      (data.nFileSizeHigh == 0 && data.nFileSizeLow == 0)) {
    return false;
  }
  base::win::ScopedHandle file(::CreateFileW(base::win::AsWide(path), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.IsValid();
}

int ExecuteAsAdmin() {
  const base::CommandLine& command_line = ProcessCommandLine();
  const base::String16 setup_text = command_line.GetSwitchValueNative("setup-cmd-line");
  const std::string parent_text = command_line.GetSwitchValueASCII("parent-installer-process-id");

  uint64_t parent_id = 0;
  if (!base::ParseWholeDecimal(parent_text, &parent_id) || parent_id > UINT32_MAX) {
    PLOG(ERROR) << "Suspicious process id=" << parent_text;
    return kExitElevatedRunFailed;
  }

  base::win::ScopedHandle parent(::OpenProcess(SYNCHRONIZE, TRUE, static_cast<DWORD>(parent_id)));
  LOG(INFO) << "Start installer as admin";

  base::CommandLine setup_command_line = base::CommandLine::FromString(setup_text);

  base::win::ScopedHandle go_event(::OpenEventA(SYNCHRONIZE, FALSE, kElevationGoEventName));
  base::win::ScopedHandle cancel_event(::OpenEventA(SYNCHRONIZE, FALSE, kElevationCancelEventName));
  // A handle that did not open makes the wait fail at once, which ends the run
  // like any other unexpected wake-up.
  const HANDLE waits[] = {go_event.Get(), cancel_event.Get(), parent.Get()};
  const DWORD wait_result = ::WaitForMultipleObjects(3, waits, FALSE, INFINITE);
  if (wait_result != WAIT_OBJECT_0) {
    PLOG(ERROR) << "Installer started as admin has been unexpectedly synced, wr="
                << static_cast<uint32_t>(wait_result);
    return kExitElevatedRunFailed;
  }

  lite_installer::ApplyDelayedParams(lite_installer::SharedDelayedParams(), &IsNonEmptyFile,
                                     &setup_command_line);
  const base::String16 archive_path = setup_command_line.GetProgram();
  if (::GetFileAttributesW(base::win::AsWide(archive_path)) == INVALID_FILE_ATTRIBUTES) {
    PLOG(ERROR) << "Browser archive " << archive_path << " does not exist";
    return kExitElevatedRunFailed;
  }

  uint64_t window_value = 0;
  base::ParseWholeDecimal(setup_command_line.GetSwitchValueASCII("progress-window"), &window_value);
  RemoteProgressObserver observer(reinterpret_cast<HWND>(static_cast<uintptr_t>(window_value)));
  Installer installer(&observer, nullptr, nullptr, false);
  // The program to run was named by this process's command line and by a
  // block any process of this executable can write, after events anyone in
  // the session can create: run it only when it is a verified archive, and
  // keep it locked against change until the setup has ended.
  base::win::ScopedHandle archive_lock;
  if (!installer.LockAndVerifyModule(archive_path, &archive_lock))
    return kExitElevatedRunFailed;
  const bool success = installer.RunModule(archive_path, setup_command_line);
  LOG(INFO) << "RunModule results: success=" << success
            << " error_code=" << installer.GetExitCode();
  return success ? 0 : kExitElevatedRunFailed;
}

}  // namespace

namespace lite_installer {

int RunElevatedChild() {
  return ExecuteAsAdmin();
}

}  // namespace lite_installer
