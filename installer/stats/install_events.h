// The statistics events of an installation run and the query of the
// installation-finished report.
#ifndef INSTALLER_STATS_INSTALL_EVENTS_H_
#define INSTALLER_STATS_INSTALL_EVENTS_H_

#include <cstdint>
#include <string>

#include "base/strings.h"
#include "installer/stats/stat_event.h"

namespace installer {

// Whole seconds of a duration in microseconds.
inline int64_t WholeSeconds(int64_t microseconds) {
  return microseconds / 1000000;
}

StatEvent InstallerStartedEvent(int dpi_percent, int screen_width, int screen_height);
StatEvent DownloadStartedEvent();

struct DownloadAttempt {
  bool success = false;
  std::string error;
  int attempt_number = 1;
  uint32_t downloaded_size = 0;
  uint32_t total_size = 0;
  std::string url;
  // The host name of the final URL; empty when there is none to give.
  std::string redirect_host;
  bool x64 = false;
};
StatEvent DownloadAttemptEvent(const DownloadAttempt& attempt);
StatEvent DownloadErrorEvent(const DownloadAttempt& attempt);
StatEvent DownloadFinishedEvent(int64_t download_time_us);
StatEvent ArchiveLockErrorEvent();
StatEvent VerificationErrorEvent();

// "uac" of the setup-launched event.
enum class UacKind { kInThisProcess, kElevatedCopy, kNoPrompts };
StatEvent SetupLaunchedEvent(bool update, UacKind uac);

// The "error" value of the setup-exited event; empty when the run counts as
// a success and no "error" key is written.
std::string SetupExitError(bool run_ok, uint32_t exit_code, bool elevated);
StatEvent SetupExitedEvent(bool update,
                           bool run_ok,
                           uint32_t exit_code,
                           bool elevated,
                           int64_t setup_time_us);

StatEvent ClickedButtonEvent(const std::string& button);
StatEvent ClickedLinkEvent(const base::String16& url);
StatEvent ChosenCheckboxEvent(const std::string& checkbox);
StatEvent InstallButtonClickedEvent(bool make_default, bool send_statistics);

enum class RunOutcome { kSuccess, kFailed, kCancelled };
// origin + "/get/browser/install?ui=...&result=...&time=..." and the two
// optional times.
std::string InstallationFinishedUrl(const std::string& origin,
                                    const std::string& installation_id,
                                    RunOutcome outcome,
                                    int64_t full_time_us,
                                    int64_t download_time_us,
                                    int64_t setup_time_us);

}  // namespace installer

#endif  // INSTALLER_STATS_INSTALL_EVENTS_H_
