// The detailed failure code a setup run leaves for the Installer: the
// machine-type mismatch and the setup's own codes 7 and 8. The process that
// sees the cause writes it; the Installer turns a plain failure into it.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_SHARED_ERROR_CODE_WIN_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_SHARED_ERROR_CODE_WIN_H_

#include <cstdint>

namespace lite_installer {

int32_t GetSharedErrorCode();
void SetSharedErrorCode(int32_t code);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_SHARED_ERROR_CODE_WIN_H_
