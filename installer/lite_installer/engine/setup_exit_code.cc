#include "installer/lite_installer/engine/setup_exit_code.h"

#include "installer/lite_installer/engine/install_result.h"

namespace lite_installer {

int32_t SetupExitCodeResult(int32_t exit_code) {
  switch (exit_code) {
    case 7:
      return kInstallAlreadyInProgramFiles;
    case 8:
      return kInstallVersionFolderLocked;
    default:
      return kInstallSuccess;
  }
}

}  // namespace lite_installer
