#include "installer/lite_installer/ui/main_window_win.h"

#include <shellapi.h>

#include "base/win/wide.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/config/distrib_predicates.h"
#include "installer/lite_installer/engine/lite_installer_helpers.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "installer/lite_installer/ui/progress_text.h"
#include "installer/lite_installer/ui/string_table_win.h"
#include "installer/stats/install_events.h"
#include "installer/stats/install_stat_reporter.h"
#include "installer/util/windows_version_win.h"
#include "logging/log_message.h"
#include "resources/resource_ids.h"

namespace lite_installer {

MainWindow::MainWindow(BrandPackageInfo* brand, DistribInfoParams* distrib)
    : brand_(brand), distrib_(distrib), dialog_factory_(brand, distrib) {
  windows_version_ = installer::GetWindowVersionNumber();
  no_regular_browser_ = !IsRegularBrowserInstalled(GetWindowsInstalledBrowserSystem());
  pin_trial_state_ = GetVnpinTrialState(*distrib_, *brand_, ProcessCommandLine());
  uac_mode_ = GetUacMode(*brand_, *distrib_, ProcessCommandLine());
  first_screen_off_ = IsFirstScreenOff(*brand_, *distrib_);
  bool value = false;
  make_default_wanted_ = !HasDefValue(*distrib_, &value);
  send_stat_wanted_ = !GetStatValue(*distrib_, &value);
  messages_ = RegisteredMessages::Register();
  resume_prompt_ = dialog_factory_.CreateResumePrompt();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateInstaller() {
  installer_ = std::make_unique<Installer>(this, brand_, distrib_, true);
  installer_->SetInstallationType(GetInstallationType(GetWindowsInstalledBrowserSystem()));
  installer_->InstallAsync();
}

base::String16 MainWindow::String(uint32_t id) const {
  return LoadResourceString(id, brand_->info().language_id);
}

void MainWindow::ReportButton(const char* button) {
  if (installer_)
    installer_->stat_reporter()->SendDialogEvent(installer::ClickedButtonEvent(button));
}

// InstallerObserver: the work thread only posts; the window's thread reacts
// in the order the reports were made.

void MainWindow::OnDownloadProgress(float fraction) {
  SetProgress(DownloadProgressPercent(fraction));
}

void MainWindow::SetProgress(int percent) {
  ::PostMessageW(handle(), kProgressMessage, static_cast<WPARAM>(percent), 0);
}

void MainWindow::OnInstallFinished(int) {
  if (install_pressed_)
    ::PostMessageW(handle(), kInstallFinishedMessage, 0, 0);
}

void MainWindow::OnInstallError(int code) {
  pending_error_ = code;
  if (install_pressed_)
    ::PostMessageW(handle(), kInstallErrorMessage, static_cast<WPARAM>(code), 0);
}

void MainWindow::OnSetupStarted() {
  ::PostMessageW(handle(), kSetupStartedMessage, 0, 0);
}

bool MainWindow::ProcessMessage(HWND window,
                                UINT message,
                                WPARAM wparam,
                                LPARAM lparam,
                                LRESULT* result) {
  *result = 0;
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      // The first screen's focus goes to the first tab stop (Install); the
      // progress screen has set its own.
      *result = first_screen_off_ ? FALSE : TRUE;
      return true;
    case WM_COMMAND:
      if (HIWORD(wparam) != BN_CLICKED && HIWORD(wparam) != 0)
        return false;
      OnCommand(LOWORD(wparam));
      return true;
    case WM_SYSCOMMAND:
      return OnSysCommand(wparam);
    case WM_PAINT:
      OnPaint();
      return true;
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    case WM_DRAWITEM:
      *result = OnDrawItem(static_cast<int>(wparam), *reinterpret_cast<DRAWITEMSTRUCT*>(lparam));
      return true;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->code != static_cast<UINT>(NM_CUSTOMDRAW))
        return false;
      *result = OnCustomDraw(static_cast<int>(header->idFrom),
                             *reinterpret_cast<const NMCUSTOMDRAW*>(lparam));
      return true;
    }
    case WM_NCACTIVATE:
      OnNcActivate(wparam != FALSE);
      *result = TRUE;
      return true;
    case WM_CTLCOLORDLG:
      *result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
      return true;
    case WM_TIMER:
      if (wparam != kSlideTimerId)
        return false;
      OnTimer();
      return true;
    case WM_SIZE:
      if (wparam == SIZE_MINIMIZED)
        HideShadow();
      return false;
    case kProgressMessage:
      OnProgress(static_cast<int>(wparam));
      return true;
    case kInstallFinishedMessage:
      EndMainDialog(1);
      return true;
    case kInstallErrorMessage:
      ShowErrorAndEnd(static_cast<int>(wparam));
      return true;
    case kSetupStartedMessage:
      if (HWND stop = ::GetDlgItem(window, kStopButtonId))
        ::DestroyWindow(stop);
      return true;
    default:
      break;
  }
  if (OnRegisteredMessage(message, wparam, result))
    return true;
  return HandleDragMessage(window, message, lparam, result);
}

void MainWindow::OnInitDialog() {
  const UINT allowed[] = {messages_.set_import_progress,
                          messages_.close_window,
                          messages_.set_install_progress,
                          messages_.higher_version_exist,
                          messages_.move_window,
                          messages_.corp_user_higher_version_exist,
                          messages_.corp_user_browser_exists};
  for (UINT message : allowed)
    AllowMessage(handle(), message, windows_version_);
  if (uac_mode_ == 1)
    StartElevatedCopyIfNeeded(1, "lite_installer::MainWindow::OnInitDialog");
  LoadStrings();
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  auto load_icon = [instance](int metric_x, int metric_y) {
    return reinterpret_cast<LPARAM>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_MAIN_ICON),
                                                 IMAGE_ICON, ::GetSystemMetrics(metric_x),
                                                 ::GetSystemMetrics(metric_y), LR_SHARED));
  };
  ::SendMessageW(handle(), WM_SETICON, ICON_BIG, load_icon(SM_CXICON, SM_CYICON));
  ::SendMessageW(handle(), WM_SETICON, ICON_SMALL, load_icon(SM_CXSMICON, SM_CYSMICON));
  CreateFonts();
  ApplyWindowShape();
  CreateLicenceLine();
  CreateControls();
  if (!first_screen_off_)
    LayoutFirstScreen();
  else if (!LayoutProgressDialog())
    return;
  UpdateShadow();
  SetTabOrderAndKeyboardHook();
}

void MainWindow::StartElevatedCopyIfNeeded(int, const char* function) {
  if (!installer_ || !Installer::NeedStartThisProcessAsAdmin(ProcessCommandLine()))
    return;
  if (!installer_->StartElevatedCopy())
    LOG_AT(ERROR, function) << "Declined running the installer as admin";
}

void MainWindow::OnCommand(int id) {
  switch (id) {
    case kInstallButtonId:
      OnInstallClick();
      break;
    case kCloseButtonId:
      if (progress_up_) {
        if (!AskToStop())
          break;
        if (installer_)
          installer_->IncrementStopRequests();
        ReportButton("cancel");
      } else {
        ReportButton("close");
      }
      HideShadow();
      EndMainDialog(kCloseButtonId);
      break;
    case kCancelCommandId:
      ReportButton("cancel");
      break;
    case kStopButtonId:
      if (AskToStop()) {
        if (installer_)
          installer_->IncrementStopRequests();
        EndMainDialog(kStopButtonId);
      }
      break;
    case kMinimizeButtonId:
      HideShadow();
      ::ShowWindow(handle(), SW_SHOWMINIMIZED);
      ReportButton("minimize");
      break;
    case kPrivacyLinkId:
      OpenLink(brand_->info().conf_policy_url);
      break;
    case kLicenceLinkId:
      OpenLink(brand_->info().license_url);
      break;
    case kMakeDefaultCheckId:
    case kSendStatCheckId:
    case kPinCheckId: {
      ToggleCheckBox(id);
      const char* name = id == kMakeDefaultCheckId ? "default"
                         : id == kSendStatCheckId  ? "sendstat"
                                                   : "vnpin_trial";
      if (installer_)
        installer_->stat_reporter()->SendDialogEvent(installer::ChosenCheckboxEvent(name));
      break;
    }
    default:
      break;
  }
}

bool MainWindow::OnSysCommand(WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_RESTORE:
      ReportButton("restore");
      ::ShowWindow(handle(), SW_RESTORE);
      return true;
    case SC_CLOSE:
      EndMainDialog(2);
      return true;
    case SC_MINIMIZE:
      HideShadow();
      return false;
    default:
      return false;
  }
}

bool MainWindow::ChoiceMakeDefault() {
  bool value = false;
  if (HasDefValue(*distrib_, &value))
    return value;
  return IsCheckBoxChecked(kMakeDefaultCheckId);
}

bool MainWindow::ChoiceSendStatistics() {
  bool value = false;
  if (GetStatValue(*distrib_, &value))
    return value;
  return IsCheckBoxChecked(kSendStatCheckId);
}

void MainWindow::OnInstallClick() {
  if (install_pressed_.exchange(true))
    return;
  // Without a first screen the default command only marks the press.
  if (first_screen_off_)
    return;
  if (installer_) {
    installer_->SetOkButtonPressedTime();
    ReportButton("install");
    installer_->stat_reporter()->SendEvent(
        installer::InstallButtonClickedEvent(ChoiceMakeDefault(), ChoiceSendStatistics()));
  }
  if (LayoutProgressDialog()) {
    ::InvalidateRect(handle(), nullptr, TRUE);
    ::UpdateWindow(handle());
    if (windows_version_ >= kWindowVersion8)
      UpdateShadow();
  }
}

bool MainWindow::LayoutProgressDialog() {
  if (installer_) {
    installer_->SetMakeDefault(ChoiceMakeDefault());
    installer_->SetSendStatistics(ChoiceSendStatistics());
    const bool pin = pin_trial_state_ == 0 ||
                     (::GetDlgItem(handle(), kPinCheckId) && IsCheckBoxChecked(kPinCheckId));
    installer_->SetInstallPin(pin);
  }
  if (uac_mode_ == 0)
    StartElevatedCopyIfNeeded(0, "lite_installer::MainWindow::LayoutProgressDialog");
  HideShadow();
  ::SetFocus(handle());
  PrepareProgressScreen();
  if (const int code = pending_error_.load()) {
    ShowErrorAndEnd(code);
    return false;
  }
  for (int id : GetFirstScreenControlIds()) {
    if (id == kTitleId && first_screen_off_)
      continue;
    // Run-time segments share one id: destroy every one of them.
    while (HWND control = ::GetDlgItem(handle(), id))
      ::DestroyWindow(control);
  }
  LayoutProgressScreen();
  ShowProgressBar();
  ::SetTimer(handle(), kSlideTimerId, 20, nullptr);
  ::SetFocus(::GetDlgItem(handle(), kProgressBarId));
  if (installer_)
    installer_->StartInstallation();
  progress_up_ = true;
  SetProgress(0);
  return true;
}

bool MainWindow::AskToStop() {
  if (!resume_prompt_)
    resume_prompt_ = dialog_factory_.CreateResumePrompt();
  if (!resume_prompt_)
    return true;
  const int result = resume_prompt_->DoModal(handle());
  if (IsStopResult(result))
    return true;
  // The prompt's window is gone; the object can run it again.
  resume_prompt_->Detach();
  return false;
}

void MainWindow::ShowErrorAndEnd(int code) {
  if (ended_)
    return;
  ::ShowWindow(handle(), SW_HIDE);
  HideShadow();
  if (std::unique_ptr<DialogWindow> dialog = dialog_factory_.CreateDialogForCode(code))
    dialog->DoModal(nullptr);
  EndMainDialog(1);
}

void MainWindow::EndWithDialog(std::unique_ptr<DialogWindow> dialog) {
  ::ShowWindow(handle(), SW_HIDE);
  HideShadow();
  if (dialog)
    dialog->DoModal(nullptr);
  EndMainDialog(1);
}

void MainWindow::EndMainDialog(int result) {
  if (ended_)
    return;
  ended_ = true;
  ::KillTimer(handle(), kSlideTimerId);
  EndDialog(result);
}

void MainWindow::OpenLink(const std::string& base_url) {
  const base::String16 url =
      base::UTF8ToUTF16(base_url) + u"?lang=" + base::UTF8ToUTF16(brand_->info().language);
  ::ShellExecuteW(handle(), L"open", base::win::AsWide(url), nullptr, nullptr, SW_SHOW);
  if (installer_)
    installer_->stat_reporter()->SendDialogEvent(installer::ClickedLinkEvent(url));
}

}  // namespace lite_installer
