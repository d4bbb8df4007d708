// How the Installer reports to whoever shows the installation: the window of
// this process, or the parent's window for an elevated copy.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_OBSERVER_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_OBSERVER_H_

#include <cstdint>

namespace lite_installer {

class InstallerObserver {
 public:
  virtual ~InstallerObserver() = default;
  virtual void OnDownloadProgress(float fraction) = 0;
  virtual int OnSlowDownload() = 0;
  virtual void OnTimeLeft(int seconds, int kind) = 0;
  virtual void OnInstallFinished(int result) = 0;
  virtual void OnInstallError(int code) = 0;
  // The window handle handed to setup as "progress-window", as an integer so
  // that platform-free code can carry it.
  virtual uintptr_t GetWindowHandle() = 0;
  virtual void SetProgress(int percent) = 0;
  virtual void OnSetupStarted() = 0;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_OBSERVER_H_
