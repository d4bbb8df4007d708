// The outcome of making the process's library loading safe, and what the
// start of a run does with it.
#ifndef INSTALLER_LITE_INSTALLER_STARTUP_SECURE_ENVIRONMENT_RESULT_H_
#define INSTALLER_LITE_INSTALLER_STARTUP_SECURE_ENVIRONMENT_RESULT_H_

namespace lite_installer {

enum SecureEnvironmentResult : int {
  kInsecureEnvironment = 0,
  kSecureEnvironmentNotFound = 1,
  kSecureEnvironment = 2,
  kDllFilesInWorkingDirectory = 3,
  kProtectedCopyFinished = 4,
};

// What a run does once the outcome is known and the log exists.
struct SecureEnvironmentStep {
  const char* log_line = nullptr;  // INFO line to write; null: none
  bool end_run = false;
  int exit_code = 0;  // the process's exit code when |end_run|
};

// |stored_exit_code| is what the secure-environment check wrote (a protected
// copy's relayed code).
SecureEnvironmentStep StepForSecureEnvironment(SecureEnvironmentResult result,
                                               int stored_exit_code);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_STARTUP_SECURE_ENVIRONMENT_RESULT_H_
