// Restricts where the process loads libraries from before anything else runs,
// since the installer typically starts from a download folder that may hold
// files named like system libraries.
#ifndef INSTALLER_LITE_INSTALLER_STARTUP_SECURE_ENVIRONMENT_WIN_H_
#define INSTALLER_LITE_INSTALLER_STARTUP_SECURE_ENVIRONMENT_WIN_H_

namespace lite_installer {

enum SecureEnvironmentResult : int {
  kInsecureEnvironment = 0,
  kSecureEnvironmentNotFound = 1,
  kSecureEnvironment = 2,
  kDllFilesInWorkingDirectory = 3,
  kProtectedCopyFinished = 4,
};

// Writes |*exit_code| only when a protected copy ran. Logs nothing: the log
// does not exist yet.
SecureEnvironmentResult CheckSecureEnvironment(int* exit_code);

// The branch for systems without SetDefaultDllDirectories.
SecureEnvironmentResult RunInProtectedDirectory(int* exit_code);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_STARTUP_SECURE_ENVIRONMENT_WIN_H_
