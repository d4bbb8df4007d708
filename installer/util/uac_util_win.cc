#include "installer/util/uac_util_win.h"

#include <windows.h>

#include "logging/log_message.h"

bool InstallUACUtil::AreUACNotificationsEnabled() {
  static const wchar_t kPolicyKey[] =
      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
  DWORD value = 0;
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPolicyKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    DWORD type = 0;
    DWORD size = sizeof(value);
    if (::RegQueryValueExW(key, L"ConsentPromptBehaviorAdmin", nullptr, &type,
                           reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
      value = 0;
    ::RegCloseKey(key);
  }
  LOG(INFO) << "Read HKEY_LOCAL_MACHINE\\"
            << "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System\\"
            << "ConsentPromptBehaviorAdmin which is \"" << value << "\"";
  return value != 0;
}
