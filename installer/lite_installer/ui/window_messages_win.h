// The registered window messages the setup sends to the installer window,
// the installer's private messages, and the message filter that lets the
// setup's messages through when the window runs at another integrity level.
#ifndef INSTALLER_LITE_INSTALLER_UI_WINDOW_MESSAGES_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_WINDOW_MESSAGES_WIN_H_

#include <windows.h>

namespace lite_installer {

// Progress in percent (wparam), posted by the window's own observer or by
// the elevated copy's remote observer.
inline constexpr UINT kProgressMessage = WM_APP + 100;
// The remote observer's other notifications; the window ignores them.
inline constexpr UINT kRemoteNotificationMessage = WM_APP + 101;
// The Installer's work thread hands its reports to the window's thread with
// these, in the order they happened.
inline constexpr UINT kInstallFinishedMessage = WM_APP + 102;
inline constexpr UINT kInstallErrorMessage = WM_APP + 103;
inline constexpr UINT kSetupStartedMessage = WM_APP + 104;

struct RegisteredMessages {
  UINT set_install_progress = 0;
  UINT set_import_progress = 0;
  UINT close_window = 0;
  UINT higher_version_exist = 0;
  UINT corp_user_higher_version_exist = 0;
  UINT corporate_browser_exists = 0;
  UINT corp_user_browser_exists = 0;
  UINT move_window = 0;

  static RegisteredMessages Register();
};

// Lets |message| reach |window| from a process of lower integrity: the
// per-window filter on Windows 7 and later, the process-wide one on Vista,
// nothing before (true). |windows_version| uses the window's numbering
// (3 Vista, 4 Windows 7, ...).
bool AllowMessage(HWND window, UINT message, int windows_version);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_WINDOW_MESSAGES_WIN_H_
