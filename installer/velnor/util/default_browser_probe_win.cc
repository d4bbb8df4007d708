#include "installer/velnor/util/default_browser_probe.h"

#include "installer/lite_installer/exit_codes.h"
#include "installer/lite_installer/process_command_line_win.h"

// PENDING: the default-browser interface is not probed yet, so a probe
// request always reports failure.
bool HandleWin10DefaultBrowserCommand(int* exit_code) {
  if (!lite_installer::ProcessCommandLine().HasSwitch("check-the-interface"))
    return false;
  *exit_code = lite_installer::kExitInterfaceProbeFailed;
  return true;
}
