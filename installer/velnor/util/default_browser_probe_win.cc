#include "installer/velnor/util/default_browser_probe.h"

#include <objbase.h>
#include <windows.h>

#include "installer/lite_installer/exit_codes.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "installer/velnor/util/application_association_registration_internal.h"
#include "installer/velnor/util/default_browser_safe_check.h"
#include "installer/velnor/util/shell_association_win.h"

namespace {

// COM for the probe's thread, for as long as the probe runs.
class ScopedComApartment {
 public:
  ScopedComApartment() : initialized_(SUCCEEDED(::CoInitialize(nullptr))) {}
  ~ScopedComApartment() {
    if (initialized_)
      ::CoUninitialize();
  }
  ScopedComApartment(const ScopedComApartment&) = delete;
  ScopedComApartment& operator=(const ScopedComApartment&) = delete;

 private:
  bool initialized_;
};

bool ProbeInternalInterface() {
  using namespace installer::win10_default_browser;
  ScopedComApartment apartment;
  ShellAssociationsWin shell;
  return IsInternalInterfaceAvailable(shell, WindowsVersionText());
}

}  // namespace

bool HandleWin10DefaultBrowserCommand(int* exit_code) {
  if (!lite_installer::ProcessCommandLine().HasSwitch(
          installer::win10_default_browser::kProbeSwitch))
    return false;
  *exit_code = ProbeInternalInterface() ? lite_installer::kExitInterfaceProbeSucceeded
                                        : lite_installer::kExitInterfaceProbeFailed;
  return true;
}
