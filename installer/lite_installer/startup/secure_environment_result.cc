#include "installer/lite_installer/startup/secure_environment_result.h"

#include "installer/lite_installer/exit_codes.h"

namespace lite_installer {

SecureEnvironmentStep StepForSecureEnvironment(SecureEnvironmentResult result,
                                               int stored_exit_code) {
  switch (result) {
    case kInsecureEnvironment:
      return {"Exiting, because of insecure environment.", true, stored_exit_code};
    case kSecureEnvironmentNotFound:
      return {"Can't find secure environment.", false, 0};
    case kSecureEnvironment:
      return {"Runned in secure environment.", false, 0};
    case kDllFilesInWorkingDirectory:
      return {"Exiting, DLL files found in working directory", true,
              kExitDllFilesInWorkingDirectory};
    case kProtectedCopyFinished:
      return {nullptr, true, stored_exit_code};
  }
  // A value outside the enumeration: nothing is known to be safe, but the
  // run may go on unprotected, as when no protection was found.
  return {"Can't find secure environment.", false, 0};
}

}  // namespace lite_installer
