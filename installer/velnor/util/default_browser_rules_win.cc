// The make-default rules for the running system.
#include "installer/velnor/util/default_browser_rules.h"

#include "installer/util/windows_version.h"
#include "installer/util/windows_version_win.h"
#include "installer/velnor/util/default_browser_safe_check_win.h"

namespace installer::win10_default_browser {

namespace {

bool IsInternalInterfaceAvailableSafeCheck(const WindowsVersion& version) {
  ProbeProcessWin process;
  return RunInterfaceSafeCheck(process, version.build, version.update_build);
}

}  // namespace

bool CanMakeDefaultFromInstaller() {
  const WindowsVersion version = GetWindowsVersion();
  return CanMakeDefaultFromInstaller(
      WindowVersionNumber(version.major, version.minor), version.build, version.update_build,
      [&version] { return IsInternalInterfaceAvailableSafeCheck(version); });
}

}  // namespace installer::win10_default_browser
