// The random identifier of the Windows user account, kept in a small file in
// the roaming application data and created at most once per account: a
// registry marker remembers that it was created.
#ifndef INSTALLER_UTIL_USER_ID_H_
#define INSTALLER_UTIL_USER_ID_H_

#include <string>

#include "base/strings.h"

namespace broupdater {

// Why GetUserId returned what it returned.
enum UserIdRetrievalResult {
  kUserIdReadOrCreated = 0,
  kUserIdMarkerWithoutFile = 1,
  kUserIdNoFilePath = 2,
  kUserIdFileNotWritten = 3,
  kUserIdMarkerNotWritten = 4,
  kUserIdRetrievalResultCount = 5,
};

// The system services the identifier needs.
class UserIdPlatform {
 public:
  virtual ~UserIdPlatform() = default;
  // "<roaming app data>\Velnor\ui"; with |create_directories| the folders
  // are made. Empty (and logged) on failure.
  virtual base::String16 GetUserIdFilePath(bool create_directories) = 0;
  virtual bool FileExists(const base::String16& path) = 0;
  // Reads at most |limit| bytes; false when the file is larger or unreadable.
  virtual bool ReadFile(const base::String16& path, size_t limit, std::string* content) = 0;
  virtual bool WriteFile(const base::String16& path, const std::string& content) = 0;
  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", or empty.
  virtual std::string NewGuid() = 0;
  virtual bool MarkerExists() = 0;
  // Logs its own failures.
  virtual bool RememberUidIsCreated() = 0;
};

// The identifier, or empty. |*result| (when given) says why.
std::string GetUserId(UserIdPlatform* platform, UserIdRetrievalResult* result = nullptr);

// How often each result came up in this process.
int GetUserIdRetrievalCount(UserIdRetrievalResult result);

}  // namespace broupdater

#endif  // INSTALLER_UTIL_USER_ID_H_
