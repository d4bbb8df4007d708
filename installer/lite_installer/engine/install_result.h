// Result codes of the installation and of its download step, shared by the
// engine and the platform-free decisions made over them.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_INSTALL_RESULT_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_INSTALL_RESULT_H_

// Result codes of the installation and of the download step.
enum InstallResult : int {
  kInstallSuccess = 0,
  kInstallFailed = 1,
  kInstallNotDownloaded = 2,
  kInstallCryptoProConflict = 3,
  kInstallMachineTypeMismatch = 4,
  kInstallAlreadyInProgramFiles = 5,
  kInstallVersionFolderLocked = 6,
};

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_INSTALL_RESULT_H_
