// The make-default rules for the running system.
#include "installer/velnor/util/default_browser_rules.h"

#include "installer/util/windows_version.h"
#include "installer/util/windows_version_win.h"

namespace installer::win10_default_browser {

namespace {

// PENDING: the probe child is not started yet; until it is, a Windows 10
// build without the new interface is taken not to have the internal one
// either, so the make-default check box is hidden there.
bool IsInternalInterfaceAvailableSafeCheck() {
  return false;
}

}  // namespace

bool CanMakeDefaultFromInstaller() {
  const WindowsVersion version = GetWindowsVersion();
  return CanMakeDefaultFromInstaller(WindowVersionNumber(version.major, version.minor),
                                     version.build, version.update_build,
                                     &IsInternalInterfaceAvailableSafeCheck);
}

}  // namespace installer::win10_default_browser
