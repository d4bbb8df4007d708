// The user's temporary directory, where the log and every extracted or
// downloaded file lives.
#ifndef INSTALLER_LITE_INSTALLER_TEMP_PATH_WIN_H_
#define INSTALLER_LITE_INSTALLER_TEMP_PATH_WIN_H_

#include "base/strings.h"

namespace lite_installer {

// With its trailing backslash; empty when the system cannot say (files then
// get relative names in the current directory).
base::String16 GetTempDirectory();

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_TEMP_PATH_WIN_H_
