#include "installer/util/uac_util_win.h"

#include <windows.h>

#include <vector>

#include "base/win/registry_value_win.h"
#include "base/win/scoped_handle_win.h"
#include "logging/log_message.h"

namespace {

constexpr DWORD kAdministratorsSidSize = 68;  // SECURITY_MAX_SID_SIZE

HANDLE GetProcessToken(HANDLE process) {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(process, TOKEN_QUERY, &token)) {
    PLOG(ERROR) << "OpenProcessToken fail";
    return nullptr;
  }
  return token;
}

// The token's groups; empty when they cannot be read.
std::vector<uint8_t> GetTokenInfo(HANDLE token) {
  DWORD size = 0;
  ::GetTokenInformation(token, TokenGroups, nullptr, 0, &size);
  std::vector<uint8_t> buffer(size);
  if (size == 0 || !::GetTokenInformation(token, TokenGroups, buffer.data(), size, &size)) {
    PLOG(ERROR) << "GetTokenInformation failed";
    return {};
  }
  return buffer;
}

}  // namespace

bool InstallUACUtil::IsUserAnAdminGroup(HANDLE process) {
  base::win::ScopedHandle token(GetProcessToken(process));
  if (!token.IsValid())
    return false;
  alignas(DWORD) uint8_t administrators[kAdministratorsSidSize] = {};
  DWORD sid_size = sizeof(administrators);
  if (!::CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &sid_size)) {
    PLOG(ERROR) << "CreateWellKnownSid failed";
    return false;
  }
  const std::vector<uint8_t> info = GetTokenInfo(token.Get());
  if (info.empty())
    return false;
  const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(info.data());
  for (DWORD i = 0; i < groups->GroupCount; ++i) {
    if (::EqualSid(groups->Groups[i].Sid, administrators))
      return true;
  }
  return false;
}

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
