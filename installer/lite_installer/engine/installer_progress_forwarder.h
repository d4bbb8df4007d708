// Passes the archive download's progress on to the Installer's observer.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_PROGRESS_FORWARDER_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_PROGRESS_FORWARDER_H_

#include "installer/lite_installer/engine/installer_observer.h"
#include "installer/util/download_writer.h"

namespace lite_installer {

// Seconds added to the download's estimate: the setup still has to run.
constexpr int kSetupSecondsEstimate = 240;

class InstallerProgressForwarder : public installer::DownloadProgressDelegate {
 public:
  // |observer| is not owned; may be null.
  explicit InstallerProgressForwarder(InstallerObserver* observer) : observer_(observer) {}

  void OnProgress(float fraction) override {
    if (observer_)
      observer_->OnDownloadProgress(fraction);
  }
  void OnSlowDownload() override {
    if (observer_)
      observer_->OnSlowDownload();
  }
  void OnTimeLeft(int seconds, int kind) override {
    if (observer_)
      observer_->OnTimeLeft(seconds + kSetupSecondsEstimate, kind);
  }

 private:
  InstallerObserver* const observer_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_PROGRESS_FORWARDER_H_
