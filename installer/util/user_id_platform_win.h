// The user identifier's system services over Win32: the roaming application
// data folder, the file, a new GUID, and the creation marker in the registry.
#ifndef INSTALLER_UTIL_USER_ID_PLATFORM_WIN_H_
#define INSTALLER_UTIL_USER_ID_PLATFORM_WIN_H_

#include "installer/util/user_id.h"

namespace broupdater {

class UserIdPlatformWin : public UserIdPlatform {
 public:
  base::String16 GetUserIdFilePath(bool create_directories) override;
  bool FileExists(const base::String16& path) override;
  bool ReadFile(const base::String16& path, size_t limit, std::string* content) override;
  bool WriteFile(const base::String16& path, const std::string& content) override;
  std::string NewGuid() override;
  bool MarkerExists() override;
  bool RememberUidIsCreated() override;
};

// The identifier of this user account, or empty.
std::string GetUserId();

}  // namespace broupdater

#endif  // INSTALLER_UTIL_USER_ID_PLATFORM_WIN_H_
