// The installer process's own exit codes, and the naming of the setup
// program's exit codes in the log.
#ifndef INSTALLER_LITE_INSTALLER_EXIT_CODES_H_
#define INSTALLER_LITE_INSTALLER_EXIT_CODES_H_

#include <cstdint>
#include <string>

namespace lite_installer {

enum InstallerExitCode : int32_t {
  kExitNoSetupResult = 400,
  kExitModuleNotObtained = 401,
  kExitModuleVerificationFailed = 402,
  kExitNotEnoughDiskSpace = 403,
  kExitCpuNotSupported = 404,
  kExitUserCancelled = 500,
  kExitAnotherInstanceRunning = 600,
  kExitInterfaceProbeSucceeded = 700,
  kExitInterfaceProbeFailed = 701,
  kExitDllFilesInWorkingDirectory = -200,
  kExitElevatedRunFailed = -1,
  // A protected copy was started but its end or exit code could not be
  // observed: the run failed, whatever the copy did.
  kExitProtectedCopyLost = -1,
};

// "NAME(kind); error: detail" for a known kind (top byte), otherwise
// "Exit code: kind; error: detail"; detail is the low 24 bits.
std::string DescribeSetupExitCode(uint32_t exit_code);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_EXIT_CODES_H_
