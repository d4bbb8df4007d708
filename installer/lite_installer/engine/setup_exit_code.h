// What the setup program's exit code means to the installer: two codes make
// the run count as failed with a result of their own; every other code is a
// completed run whose code becomes the installer's exit code.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_SETUP_EXIT_CODE_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_SETUP_EXIT_CODE_H_

#include <cstdint>

namespace lite_installer {

// The installation result a setup exit code stands for: 5 (already installed
// in Program Files) for 7, 6 (version folder locked) for 8, and 0 for every
// other code, which counts as a completed run.
int32_t SetupExitCodeResult(int32_t exit_code);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_SETUP_EXIT_CODE_H_
