#include "installer/velnor/util/default_browser_safe_check.h"

#include "base/command_line.h"
#include "installer/velnor/util/default_browser_rules.h"
#include "logging/log_message.h"

namespace installer::win10_default_browser {

namespace {

// The log names the check as the function the system knows it by.
constexpr char kSafeCheckFunction[] =
    "installer::win10_default_browser::(anonymous namespace)::"
    "IsInternalInterfaceAvailableSafeCheck";

}  // namespace

base::String16 ProbeCommandLine(const base::String16& program) {
  base::CommandLine command_line;
  command_line.SetProgram(program);
  command_line.AppendSwitch(kProbeSwitch);
  return command_line.GetCommandLineString();
}

bool RunInterfaceSafeCheck(ProbeProcess& process, uint32_t build, uint32_t update_revision) {
  if (IsNewDefaultBrowserApiBuild(build, update_revision))
    return true;

  const base::String16 program = process.ProgramPath();
  if (program.empty()) {
    PLOG_AT(ERROR, kSafeCheckFunction) << "Failed to check Win10 internal interface availability: "
                                          "can't get installer exe path.";
    return false;
  }
  const base::String16 command_line = ProbeCommandLine(program);
  if (!process.Start(command_line)) {
    PLOG_AT(ERROR, kSafeCheckFunction) << "Failed to check Win10 internal interface availability: "
                                          "can't run installer: "
                                       << command_line;
    return false;
  }

  const ProbeProcess::Exit exit = process.WaitForExit(kProbeTimeoutMs);
  if (exit.status == ProbeProcess::Exit::kTimedOut) {
    process.Terminate(kProbeTerminatedExitCode);
    PLOG_AT(ERROR, kSafeCheckFunction) << "Failed to check Win10 internal interface availability, "
                                          " installer was terminated by timeout.";
    return false;
  }
  if (exit.status == ProbeProcess::Exit::kFailed) {
    // Without an answer the child may still be running: it must not outlive
    // the check.
    process.Terminate(kProbeTerminatedExitCode);
    PLOG_AT(ERROR, kSafeCheckFunction) << "Failed to check Win10 internal interface availability, "
                                          "can't wait for installer.";
    return false;
  }
  if (exit.code < 0) {
    PLOG_AT(ERROR, kSafeCheckFunction) << "Failed to check Win10 internal interface availability,"
                                          " ret code: "
                                       << exit.code << ", installer crashed";
    return false;
  }
  if (exit.code == kProbeAvailableExitCode || exit.code == kProbeUnavailableExitCode) {
    const bool available = exit.code == kProbeAvailableExitCode;
    LOG_AT(INFO, kSafeCheckFunction) << "Successfuly checked Win10 internal interface "
                                        "availability: availability: "
                                     << available;
    return available;
  }
  PLOG_AT(ERROR, kSafeCheckFunction)
      << "Failed to check Win10 internal interface availability, unknown ret code: " << exit.code;
  return false;
}

}  // namespace installer::win10_default_browser
