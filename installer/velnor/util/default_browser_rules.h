// Whether the installer may offer to make the browser the default: where the
// browser's setup can do it later without sending the user to the system
// settings. Windows 8 and 8.1 never allow it; Windows 10 does from the
// builds with the new default-browser interface, and on older builds only
// when a probe in a child process finds the internal interface.
#ifndef INSTALLER_VELNOR_UTIL_DEFAULT_BROWSER_RULES_H_
#define INSTALLER_VELNOR_UTIL_DEFAULT_BROWSER_RULES_H_

#include <cstdint>
#include <functional>

namespace installer::win10_default_browser {

// Build 17704 and later, or build 17134 from update revision 319.
bool IsNewDefaultBrowserApiBuild(uint32_t build, uint32_t update_revision);

// |windows_version| is WindowVersionNumber (installer/util/windows_version.h).
// True before Windows 8 and on the new-interface builds; false on Windows 8
// and 8.1; on the other Windows 10 builds the answer of |safe_check|, which
// is called only then.
bool CanMakeDefaultFromInstaller(int windows_version,
                                 uint32_t build,
                                 uint32_t update_revision,
                                 const std::function<bool()>& safe_check);

// The same for the running system, probing in a child process when needed.
bool CanMakeDefaultFromInstaller();

}  // namespace installer::win10_default_browser

#endif  // INSTALLER_VELNOR_UTIL_DEFAULT_BROWSER_RULES_H_
