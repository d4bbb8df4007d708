// The elevated copy's observer: passes progress on to the parent's window,
// whose handle arrived on the setup command line.
#ifndef INSTALLER_LITE_INSTALLER_ELEVATION_REMOTE_PROGRESS_OBSERVER_WIN_H_
#define INSTALLER_LITE_INSTALLER_ELEVATION_REMOTE_PROGRESS_OBSERVER_WIN_H_

#include <windows.h>

#include "installer/lite_installer/engine/installer_observer.h"

namespace lite_installer {

// Private messages the main window understands (application base + n).
constexpr UINT kSetProgressMessage = WM_APP + 100;
constexpr UINT kTimeLeftMessage = WM_APP + 101;
// The hidden stop button of the main window.
constexpr int kStopButtonControlId = 212;

class RemoteProgressObserver : public InstallerObserver {
 public:
  explicit RemoteProgressObserver(HWND window) : window_(window) {}

  void OnDownloadProgress(float) override {}
  int OnSlowDownload() override { return 0; }
  void OnTimeLeft(int seconds, int kind) override;
  void OnInstallFinished(int) override {}
  void OnInstallError(int) override {}
  uintptr_t GetWindowHandle() override { return reinterpret_cast<uintptr_t>(window_); }
  void SetProgress(int percent) override;
  void OnSetupStarted() override;

 private:
  const HWND window_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ELEVATION_REMOTE_PROGRESS_OBSERVER_WIN_H_
