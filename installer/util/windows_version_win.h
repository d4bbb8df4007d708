// The running Windows version as the system reports it to a program whose
// manifest declares every supported version.
#ifndef INSTALLER_UTIL_WINDOWS_VERSION_WIN_H_
#define INSTALLER_UTIL_WINDOWS_VERSION_WIN_H_

#include <cstdint>

namespace installer {

struct WindowsVersion {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
  // The update build revision ("UBR"), 0 when the system does not say.
  uint32_t update_build = 0;
};

WindowsVersion GetWindowsVersion();

// WindowVersionNumber (installer/util/windows_version.h) of the running
// system.
int GetWindowVersionNumber();

}  // namespace installer

#endif  // INSTALLER_UTIL_WINDOWS_VERSION_WIN_H_
