// The setup's registered messages: progress of its stages, the news that a
// newer or corporate browser is there, the question whether to go on over a
// corporate user's browser, and the request to close.
#include "installer/lite_installer/ui/main_window_win.h"

#include "installer/lite_installer/ui/progress_text.h"
#include "logging/log_message.h"

namespace lite_installer {

bool MainWindow::OnRegisteredMessage(UINT message, WPARAM wparam, LRESULT* result) {
  *result = 0;
  if (message == messages_.set_install_progress) {
    const int percent = InstallStageProgressPercent(static_cast<int>(wparam));
    LOG(INFO) << "--> Installer > MainWindow::OnInstallProgress: " << percent;
    if (percent != 0)
      SetProgress(percent);
  } else if (message == messages_.set_import_progress) {
    LOG(INFO) << "--> Installer > MainWindow::OnImportProgress: " << static_cast<int>(wparam);
    SetProgress(ImportProgressPercent(static_cast<int>(wparam)));
  } else if (message == messages_.close_window) {
    OnCloseWindow();
  } else if (message == messages_.higher_version_exist) {
    EndWithDialog(dialog_factory_.CreateMessageDialog(kHigherVersionDialog));
  } else if (message == messages_.corp_user_higher_version_exist) {
    EndWithDialog(dialog_factory_.CreateMessageDialog(kCorpUserHigherVersionDialog));
  } else if (message == messages_.corporate_browser_exists) {
    EndWithDialog(dialog_factory_.CreateMessageDialog(kCorporateBrowserExistsDialog));
  } else if (message == messages_.corp_user_browser_exists) {
    // A question: the sender waits for the answer, the window stays.
    std::unique_ptr<DialogWindow> dialog =
        dialog_factory_.CreateMessageDialog(kCorpUserBrowserExistsDialog);
    const int answer = dialog ? dialog->DoModal(handle()) : kDialogResultGoOn;
    *result = IsStopResult(answer) ? 0 : 1;
  } else if (message == messages_.move_window) {
    MoveShadow();
  } else {
    return false;
  }
  return true;
}

void MainWindow::OnCloseWindow() {
  HideShadow();
  ::ShowWindow(handle(), SW_HIDE);
  LOG(INFO) << "--> Installer > MainWindow::OnCloseWindow";
  if (installer_ && !installer_->WaitForInstallAsync())
    PLOG(ERROR) << "--> Installer > MainWindow::OnCloseWindow: WaitForInstallAsync timeout";
  if (resume_prompt_)
    resume_prompt_->EndDialog(kDialogResultGoOn);
  EndMainDialog(1);
}

}  // namespace lite_installer
