#include "installer/stats/install_events.h"

#include <cstdio>

#include "installer/stats/stat_escape.h"

namespace installer {
namespace {

base::String16 Decimal(int64_t value) {
  return base::ASCIIToUTF16(std::to_string(value));
}

void AddUrlAndRedirect(const DownloadAttempt& attempt, StatEvent* event) {
  if (!attempt.url.empty())
    (*event)["url"] = base::ASCIIToUTF16(DoubleEscapeForStat(attempt.url));
  if (!attempt.redirect_host.empty())
    (*event)["redirect"] = base::UTF8ToUTF16(attempt.redirect_host);
}

const char16_t* Action(bool update) {
  return update ? u"update" : u"setup";
}

}  // namespace

StatEvent InstallerStartedEvent(int dpi_percent, int screen_width, int screen_height) {
  char resolution[32];
  std::snprintf(resolution, sizeof(resolution), "%dx%d", screen_width, screen_height);
  return {{"action", u"installer_started"},
          {"dpi", Decimal(dpi_percent)},
          {"resolution", base::ASCIIToUTF16(resolution)}};
}

StatEvent DownloadStartedEvent() {
  return {{"action", u"download"}, {"stage", u"started"}};
}

StatEvent DownloadAttemptEvent(const DownloadAttempt& attempt) {
  StatEvent event = {{"action", u"download_attempt"},
                     {"status", attempt.success ? u"success" : u"failed"},
                     {"attempt_number", Decimal(attempt.attempt_number)},
                     {"downloaded_size", Decimal(attempt.downloaded_size)},
                     {"total_size", Decimal(attempt.total_size)}};
  if (!attempt.success)
    event["error"] = base::UTF8ToUTF16(attempt.error);
  AddUrlAndRedirect(attempt, &event);
  if (attempt.x64)
    event["x64"] = u"1";
  return event;
}

StatEvent DownloadErrorEvent(const DownloadAttempt& attempt) {
  StatEvent event = {
      {"action", u"download"},
      {"stage", u"error"},
      {"error", base::UTF8ToUTF16("attempt-" + std::to_string(attempt.attempt_number) + "-" +
                                  attempt.error)}};
  AddUrlAndRedirect(attempt, &event);
  return event;
}

StatEvent DownloadFinishedEvent(int64_t download_time_us) {
  return {{"action", u"download"},
          {"stage", u"finished"},
          {"download_time", Decimal(WholeSeconds(download_time_us))}};
}

StatEvent ArchiveLockErrorEvent() {
  return {{"action", u"setup_arc_lock"}, {"stage", u"error"}};
}

StatEvent VerificationErrorEvent() {
  return {{"action", u"verification"}, {"stage", u"error"}};
}

StatEvent SetupLaunchedEvent(bool update, UacKind uac) {
  const char16_t* value = uac == UacKind::kNoPrompts      ? u"100"
                          : uac == UacKind::kElevatedCopy ? u"1"
                                                          : u"0";
  return {{"action", Action(update)}, {"stage", u"setup_exe_launched"}, {"uac", value}};
}

std::string SetupExitError(bool run_ok, uint32_t exit_code, bool elevated) {
  if (!run_ok)
    return "FailedToStart";
  if (elevated ? exit_code == 400 : (exit_code == 1 || exit_code == 3 || exit_code == 5))
    return {};
  return std::to_string(exit_code);
}

StatEvent SetupExitedEvent(bool update,
                           bool run_ok,
                           uint32_t exit_code,
                           bool elevated,
                           int64_t setup_time_us) {
  StatEvent event = {{"action", Action(update)},
                     {"stage", u"setup_exe_exited"},
                     {"setup_time", Decimal(WholeSeconds(setup_time_us))}};
  const std::string error = SetupExitError(run_ok, exit_code, elevated);
  if (!error.empty())
    event["error"] = base::ASCIIToUTF16(error);
  return event;
}

StatEvent ClickedButtonEvent(const std::string& button) {
  return {{"clicked_button", base::UTF8ToUTF16(button)}, {"dialog_window", u"liteinstall"}};
}

StatEvent ClickedLinkEvent(const base::String16& url) {
  return {{"clicked_link", url}, {"dialog_window", u"liteinstall"}};
}

StatEvent ChosenCheckboxEvent(const std::string& checkbox) {
  return {{"chosen_checkbox", base::UTF8ToUTF16(checkbox)}, {"dialog_window", u"liteinstall"}};
}

StatEvent InstallButtonClickedEvent(bool make_default, bool send_statistics) {
  return {{"action", u"install_browser_button_clicked"},
          {"checkbox_default", make_default ? u"1" : u"0"},
          {"checkbox_sendstat", send_statistics ? u"1" : u"0"}};
}

std::string InstallationFinishedUrl(const std::string& origin,
                                    const std::string& installation_id,
                                    RunOutcome outcome,
                                    int64_t full_time_us,
                                    int64_t download_time_us,
                                    int64_t setup_time_us) {
  const char* result = outcome == RunOutcome::kCancelled ? "cancelled"
                       : outcome == RunOutcome::kSuccess ? "success"
                                                         : "failed";
  std::string url = origin + "/get/browser/install?ui=" + installation_id + "&result=" + result +
                    "&time=" + std::to_string(WholeSeconds(full_time_us));
  if (download_time_us != 0)
    url += "&download_time=" + std::to_string(WholeSeconds(download_time_us));
  if (setup_time_us != 0)
    url += "&install_time=" + std::to_string(WholeSeconds(setup_time_us));
  return url;
}

}  // namespace installer
