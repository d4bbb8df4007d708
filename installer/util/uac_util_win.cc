#include "installer/util/uac_util_win.h"

#include <windows.h>

#include "base/win/registry_value_win.h"
#include "logging/log_message.h"

bool InstallUACUtil::AreUACNotificationsEnabled() {
  static const wchar_t kPolicyKey[] =
      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
  const DWORD value = base::win::ReadRegistryDword(HKEY_LOCAL_MACHINE, kPolicyKey,
                                                   L"ConsentPromptBehaviorAdmin", KEY_READ)
                          .value;
  LOG(INFO) << "Read HKEY_LOCAL_MACHINE\\"
            << "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System\\"
            << "ConsentPromptBehaviorAdmin which is \"" << value << "\"";
  return value != 0;
}
