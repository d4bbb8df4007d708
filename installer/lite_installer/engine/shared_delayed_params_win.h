// The delayed parameters' block in the executable's "Shared" section, which
// the linker marks shared between all processes started from the same file:
// the parent and its elevated copy address the same bytes.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_SHARED_DELAYED_PARAMS_WIN_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_SHARED_DELAYED_PARAMS_WIN_H_

#include "installer/lite_installer/engine/delayed_params.h"

namespace lite_installer {

DelayedParams& SharedDelayedParams();

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_SHARED_DELAYED_PARAMS_WIN_H_
