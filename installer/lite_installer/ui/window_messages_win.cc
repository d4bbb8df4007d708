#include "installer/lite_installer/ui/window_messages_win.h"

#include "base/win/system_function_win.h"
#include "installer/lite_installer/ui/dialog_window_win.h"

namespace lite_installer {

namespace {

constexpr int kWindowsVista = 3;
constexpr int kWindows7 = 4;
constexpr DWORD kMessageFilterAllow = 1;  // MSGFLT_ALLOW
constexpr DWORD kMessageFilterAdd = 1;    // MSGFLT_ADD

using ChangeWindowMessageFilterExFunction = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
using ChangeWindowMessageFilterFunction = BOOL(WINAPI*)(UINT, DWORD);

}  // namespace

RegisteredMessages RegisteredMessages::Register() {
  RegisteredMessages messages;
  messages.set_install_progress = ::RegisterWindowMessageW(L"velnor.lite.set_install_progress");
  messages.set_import_progress = ::RegisterWindowMessageW(L"velnor.lite.set_import_progress");
  messages.close_window = ::RegisterWindowMessageW(L"velnor.lite.close_window");
  messages.higher_version_exist = ::RegisterWindowMessageW(L"velnor.higher_version_exist");
  messages.corp_user_higher_version_exist =
      ::RegisterWindowMessageW(L"velnor.corp.user_higher_version_exist");
  messages.corporate_browser_exists = ::RegisterWindowMessageW(L"velnor.corporate_browser_exists");
  messages.corp_user_browser_exists = ::RegisterWindowMessageW(L"velnor.corp.user_browser_exists");
  messages.move_window = ::RegisterWindowMessageW(kMoveWindowMessageName);
  return messages;
}

bool AllowMessage(HWND window, UINT message, int windows_version) {
  if (windows_version >= kWindows7) {
    auto filter = base::win::GetSystemFunction<ChangeWindowMessageFilterExFunction>(
        L"user32.dll", "ChangeWindowMessageFilterEx");
    return filter && filter(window, message, kMessageFilterAllow, nullptr) == 1;
  }
  if (windows_version == kWindowsVista) {
    auto filter = base::win::GetSystemFunction<ChangeWindowMessageFilterFunction>(
        L"user32.dll", "ChangeWindowMessageFilter");
    return filter && filter(message, kMessageFilterAdd) != FALSE;
  }
  return true;
}

}  // namespace lite_installer
