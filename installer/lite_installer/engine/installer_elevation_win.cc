// Running the setup through an elevated copy of this program: the decision,
// the launch through the elevation prompt, the hand-over of the values known
// only later, and the copy's own check of what it is asked to run.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "installer/lite_installer/engine/elevation_decision.h"
#include "installer/lite_installer/engine/installer_win.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "installer/stats/install_events.h"
#include "installer/util/uac_util_win.h"
#include "logging/log_message.h"

namespace {

constexpr char16_t kArchivePlaceholder[] = u"fake_browser_arc";
constexpr char kNeedAdminSource[] = "Installer::NeedStartThisProcessAsAdmin";

// The invisible, topmost owner of the elevation prompt, in the middle of the
// monitor it is on so that the prompt appears there.
HWND CreatePromptOwnerWindow() {
  HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 0,
                                  0, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (!window)
    return nullptr;
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  if (::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& area = monitor.rcMonitor;
    ::MoveWindow(window, (area.left + area.right) / 2, (area.top + area.bottom) / 2, 0, 0, FALSE);
  }
  ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
  return window;
}

}  // namespace

bool Installer::NeedStartThisProcessAsAdmin(const base::CommandLine& command_line) {
  const lite_installer::ElevationDecision decision = lite_installer::DecideElevation(
      InstallUACUtil::IsUserAnAdminGroup(::GetCurrentProcess()), command_line);
  switch (decision.reason) {
    case lite_installer::ElevationReason::kNotAnAdministrator:
      LOG_AT(INFO, kNeedAdminSource) << "User is not in admin group.";
      break;
    case lite_installer::ElevationReason::kNonInstallSwitch:
      LOG_AT(INFO, kNeedAdminSource) << "Found non install-switch:" << decision.non_install_switch;
      break;
    case lite_installer::ElevationReason::kElevate:
      break;
  }
  return decision.elevate();
}

bool Installer::StartElevatedCopy() {
  base::CommandLine copy = lite_installer::ProcessCommandLine();
  copy.AppendSwitch("run-as-admin");
  copy.AppendSwitchASCII("parent-installer-process-id", std::to_string(::GetCurrentProcessId()));
  copy.AppendSwitchNative("setup-cmd-line",
                          BuildSetupCommandLine(kArchivePlaceholder, false).GetCommandLineString());

  base::win::ScopedWindow owner(CreatePromptOwnerWindow());
  elevated_holder_ = std::make_unique<ElevatedProcessHolder>();

  const std::wstring file(base::win::AsWide(copy.GetProgram()));
  const std::wstring parameters(base::win::AsWide(copy.GetArgumentsString()));
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.hwnd = owner.Get();
  info.lpVerb = L"runas";
  info.lpFile = file.c_str();
  info.lpParameters = parameters.c_str();
  info.nShow = SW_SHOW;
  if (::ShellExecuteExW(&info) && info.hProcess) {
    elevated_holder_->SetProcess(info.hProcess, owner.Take());
    return true;
  }
  PLOG(ERROR) << "Failed to start the elevated installer: " << copy.GetProgram();
  stat_reporter_->SendDialogEvent(installer::ClickedButtonEvent("uac_declined"));
  elevated_holder_.reset();
  uac_declined_ = reinterpret_cast<INT_PTR>(info.hInstApp) == SE_ERR_ACCESSDENIED;
  return false;
}

bool Installer::RunModuleInElevatedProcess() {
  LOG(INFO) << "Started waiting the elevated installer has finished its work.";
  const bool ok = elevated_holder_->RunModule(stop_event_.Get());
  LOG(INFO) << "The elevated installer has finished, success=" << ok;
  return ok;
}

bool Installer::LockAndVerifyModule(const base::String16& path, base::win::ScopedHandle* lock) {
  lock->Reset(::CreateFileW(base::win::AsWide(path), GENERIC_READ | GENERIC_EXECUTE,
                            FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr));
  if (!lock->IsValid()) {
    PLOG(ERROR) << "Cannot lock file: " << path;
    return false;
  }
  if (!VerifyDownloadedModule(path)) {
    LOG(ERROR) << "Module verification failed: " << path;
    lock->Reset();
    return false;
  }
  LOG(INFO) << "Verification succeeded: " << path;
  return true;
}
