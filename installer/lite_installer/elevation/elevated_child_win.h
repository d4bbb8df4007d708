// The elevated copy of the installer: waits for its parent's go-ahead, then
// runs the setup archive on the parent's behalf.
#ifndef INSTALLER_LITE_INSTALLER_ELEVATION_ELEVATED_CHILD_WIN_H_
#define INSTALLER_LITE_INSTALLER_ELEVATION_ELEVATED_CHILD_WIN_H_

namespace lite_installer {

// The process exit code: 0 when the setup run succeeded, else -1.
int RunElevatedChild();

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ELEVATION_ELEVATED_CHILD_WIN_H_
