// The parent's side of the hand-over to the elevated copy: the events that
// release or cancel it, the wait for its end and its exit code.
#include "installer/lite_installer/engine/elevation_events.h"
#include "installer/lite_installer/engine/installer_win.h"
#include "installer/lite_installer/engine/shared_delayed_params_win.h"
#include "logging/log_message.h"

namespace {

constexpr DWORD kFinishWaitMs = 30000;
// A stop that comes while the copy runs the setup is usually the setup itself
// closing the window as it ends; the copy follows within moments, and its
// result is the installation's real result.
constexpr DWORD kStopGraceMs = 10000;

}  // namespace

Installer::ElevatedProcessHolder::ElevatedProcessHolder()
    : go_event_(::CreateEventA(nullptr, FALSE, FALSE, lite_installer::kElevationGoEventName)),
      cancel_event_(
          ::CreateEventA(nullptr, FALSE, FALSE, lite_installer::kElevationCancelEventName)) {}

void Installer::ElevatedProcessHolder::SetProcess(HANDLE process, HWND owner_window) {
  process_.Reset(process);
  owner_window_.Reset(owner_window);
}

Installer::ElevatedProcessHolder::~ElevatedProcessHolder() {
  if (process_.IsValid()) {
    if (!run_called_)
      ::SetEvent(cancel_event_.Get());
    EnsureProcessFinished();
  }
}

bool Installer::ElevatedProcessHolder::RunModule(HANDLE stop_event) {
  run_called_ = true;
  ::SetEvent(go_event_.Get());
  const HANDLE waits[] = {stop_event, process_.Get()};
  const DWORD result = ::WaitForMultipleObjects(2, waits, FALSE, INFINITE);
  if (result == WAIT_OBJECT_0 + 1)
    return ReadExitCode();
  if (result == WAIT_OBJECT_0) {
    PLOG(ERROR) << "The elevated installer was terminated due to stop event.";
    if (::WaitForSingleObject(process_.Get(), kStopGraceMs) == WAIT_OBJECT_0)
      return ReadExitCode();
  }
  return false;
}

bool Installer::ElevatedProcessHolder::ReadExitCode() {
  DWORD code = 0;
  if (::GetExitCodeProcess(process_.Get(), &code))
    exit_code_ = code;
  else
    PLOG(ERROR) << "Failed to get exit code of the elevated installer.";
  return exit_code_ == 0;
}

void Installer::ElevatedProcessHolder::EnsureProcessFinished() {
  if (process_.IsValid() && ::WaitForSingleObject(process_.Get(), kFinishWaitMs) == WAIT_TIMEOUT) {
    terminated_ = true;
    PLOG(ERROR) << "The elevated installer hangs and must be forcibly terminated.";
    ::TerminateProcess(process_.Get(), 0);
  }
  process_.Reset();
  go_event_.Reset();
  cancel_event_.Reset();
  owner_window_.Reset();
}

bool Installer::ElevatedProcessHolder::WriteDelayedParams(
    const lite_installer::DelayedParamsValues& values) {
  return lite_installer::StoreDelayedParams(values, &lite_installer::SharedDelayedParams());
}
