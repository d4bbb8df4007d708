// The parent side of the interface probe: runs the installer's own
// executable as the probe child, with a time limit, and decides from its
// exit code. A crash or a hang of the child stays in the child.
#ifndef INSTALLER_VELNOR_UTIL_DEFAULT_BROWSER_SAFE_CHECK_H_
#define INSTALLER_VELNOR_UTIL_DEFAULT_BROWSER_SAFE_CHECK_H_

#include <cstdint>

#include "base/strings.h"

namespace installer::win10_default_browser {

inline constexpr char kProbeSwitch[] = "check-the-interface";
inline constexpr uint32_t kProbeTimeoutMs = 3000;
inline constexpr uint32_t kProbeTerminatedExitCode = 22;
inline constexpr int kProbeAvailableExitCode = 700;
inline constexpr int kProbeUnavailableExitCode = 701;

// What the safe check asks of the system: one child process at a time.
class ProbeProcess {
 public:
  virtual ~ProbeProcess() = default;
  // The executable to start; empty when it cannot be found.
  virtual base::String16 ProgramPath() = 0;
  virtual bool Start(const base::String16& command_line) = 0;
  struct Exit {
    enum Status { kExited, kTimedOut, kFailed } status = kFailed;
    int32_t code = 0;  // the exit code as a signed number, when kExited
  };
  virtual Exit WaitForExit(uint32_t timeout_ms) = 0;
  virtual void Terminate(uint32_t exit_code) = 0;
};

// The probe child's command line: the program and the probe switch only.
base::String16 ProbeCommandLine(const base::String16& program);

// True when the internal interface is there: on the new-interface builds
// without asking, otherwise when a probe child answers 700 in time.
bool RunInterfaceSafeCheck(ProbeProcess& process, uint32_t build, uint32_t update_revision);

}  // namespace installer::win10_default_browser

#endif  // INSTALLER_VELNOR_UTIL_DEFAULT_BROWSER_SAFE_CHECK_H_
