// The behaviour of the installer window: its states (first screen, progress,
// ended), the Install click, closing and stopping, the Installer's reports,
// the setup's registered messages and the statistics events of the window.
// How the window looks is LiteMainWindow's.
#ifndef INSTALLER_LITE_INSTALLER_UI_MAIN_WINDOW_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_MAIN_WINDOW_WIN_H_

#include <windows.h>
// windows.h first: the common controls build on its types.
#include <commctrl.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "base/strings.h"
#include "installer/lite_installer/engine/installer_observer.h"
#include "installer/lite_installer/engine/installer_win.h"
#include "installer/lite_installer/ui/dialog_window_win.h"
#include "installer/lite_installer/ui/message_dialog_factory_win.h"
#include "installer/lite_installer/ui/window_messages_win.h"

class BrandPackageInfo;
class DistribInfoParams;

namespace lite_installer {

// Control ids of dialog template 901.
enum MainWindowControl : int {
  kInstallButtonId = 1,
  kCancelCommandId = 2,
  kMakeDefaultCheckId = 109,
  kSendStatCheckId = 110,
  kPinCheckId = 112,
  kStopButtonId = 212,
  kCloseButtonId = 213,
  kMinimizeButtonId = 214,
  kProgressBarId = 215,
  kPrivacyLinkId = 218,
  kLicenceTextId = 222,
  kLicenceLinkId = 223,
  kProgressTextId = 224,
  kTitleId = 107,
};

inline constexpr int kMainWindowTemplateId = 901;
// The window's Windows version numbering: 3 Vista, 4 Windows 7, 5 Windows 8,
// 6 Windows 8.1, 7 and above Windows 10 and later.
inline constexpr int kWindowVersion8 = 5;
inline constexpr UINT_PTR kSlideTimerId = 100;

class MainWindow : public DialogWindow, public InstallerObserver {
 public:
  MainWindow(BrandPackageInfo* brand, DistribInfoParams* distrib);
  ~MainWindow() override;

  int GetDialogTemplateId() override { return kMainWindowTemplateId; }
  bool ProcessMessage(HWND window,
                      UINT message,
                      WPARAM wparam,
                      LPARAM lparam,
                      LRESULT* result) override;

  // InstallerObserver. Called on the Installer's work thread except
  // GetWindowHandle; the reactions run on the window's thread.
  void OnDownloadProgress(float fraction) override;
  int OnSlowDownload() override { return 0; }
  void OnTimeLeft(int, int) override {}
  void OnInstallFinished(int result) override;
  void OnInstallError(int code) override;
  uintptr_t GetWindowHandle() override { return reinterpret_cast<uintptr_t>(handle()); }
  void SetProgress(int percent) override;
  void OnSetupStarted() override;

  Installer* installer() { return installer_.get(); }

 protected:
  // The look, supplied by LiteMainWindow.
  virtual void CreateLayoutAndTheme() = 0;
  virtual void LoadStrings() = 0;
  virtual void ApplyWindowShape() = 0;
  virtual void CreateFonts() = 0;
  virtual void CreateLicenceLine() = 0;
  virtual void CreateControls() = 0;
  virtual void LayoutFirstScreen() = 0;
  virtual void SetTabOrderAndKeyboardHook() = 0;
  virtual bool OnDrawItem(int id, const DRAWITEMSTRUCT& draw) = 0;
  virtual LRESULT OnCustomDraw(int id, const NMCUSTOMDRAW& draw) = 0;
  virtual std::vector<int> GetFirstScreenControlIds() = 0;
  virtual void OnTimer() = 0;
  virtual void OnPaint() = 0;
  virtual void ShowShadow() = 0;
  virtual void HideShadow() = 0;
  virtual void MoveShadow() = 0;
  virtual void UpdateShadow() = 0;
  virtual void PrepareProgressScreen() = 0;
  virtual void LayoutProgressScreen() = 0;
  virtual void ShowProgressBar() = 0;
  virtual void OnProgress(int percent) = 0;
  virtual void OnNcActivate(bool active) = 0;
  virtual bool IsCheckBoxChecked(int id) = 0;
  virtual void ToggleCheckBox(int id) = 0;

  // Construction step 3: the Installer and its installation type.
  void CreateInstaller();
  void ReportButton(const char* button);
  base::String16 String(uint32_t id) const;
  // Hides the window and its shadow, shows |dialog| modally over nothing
  // and ends the window with 1.
  void EndWithDialog(std::unique_ptr<DialogWindow> dialog);

  BrandPackageInfo* const brand_;
  DistribInfoParams* const distrib_;
  std::unique_ptr<Installer> installer_;
  MessageDialogFactory dialog_factory_;
  int windows_version_ = 0;
  bool no_regular_browser_ = true;
  int pin_trial_state_ = 0;
  int uac_mode_ = 0;
  bool first_screen_off_ = false;
  bool make_default_wanted_ = false;  // check box 109 wanted by the variant
  bool send_stat_wanted_ = false;     // check box 110 wanted by the variant
  RegisteredMessages messages_;
  std::atomic<int> pending_error_{0};
  std::atomic<bool> install_pressed_{false};
  bool progress_up_ = false;
  bool ended_ = false;
  std::unique_ptr<DialogWindow> resume_prompt_;

 private:
  void OnInitDialog();
  void OnCommand(int id);
  bool OnSysCommand(WPARAM command);
  void OnInstallClick();
  bool LayoutProgressDialog();
  void ShowErrorAndEnd(int code);
  void EndMainDialog(int result);
  // The user asked to stop: true when the resume prompt said stop.
  bool AskToStop();
  bool ChoiceMakeDefault();
  bool ChoiceSendStatistics();
  void StartElevatedCopyIfNeeded(int uac_mode, const char* function);
  void OpenLink(const std::string& base_url);
  bool OnRegisteredMessage(UINT message, WPARAM wparam, LRESULT* result);
  void OnCloseWindow();
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_MAIN_WINDOW_WIN_H_
