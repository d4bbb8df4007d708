// Restricts where the process loads libraries from before anything else runs,
// since the installer typically starts from a download folder that may hold
// files named like system libraries.
#ifndef INSTALLER_LITE_INSTALLER_STARTUP_SECURE_ENVIRONMENT_WIN_H_
#define INSTALLER_LITE_INSTALLER_STARTUP_SECURE_ENVIRONMENT_WIN_H_

#include "installer/lite_installer/startup/secure_environment_result.h"

namespace lite_installer {

// Writes |*exit_code| only when a protected copy ran. Logs nothing: the log
// does not exist yet.
SecureEnvironmentResult CheckSecureEnvironment(int* exit_code);

// The branch for systems without SetDefaultDllDirectories. In the protected
// copy or the elevated child: looks for library files beside the executable.
// Otherwise: runs a copy of the executable from a directory created for it,
// waits for the copy, stores its exit code in |*exit_code| and removes the
// directory again.
SecureEnvironmentResult RunInProtectedDirectory(int* exit_code);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_STARTUP_SECURE_ENVIRONMENT_WIN_H_
