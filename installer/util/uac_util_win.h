// Whether this system shows elevation prompts to administrators, and whether
// a process's user belongs to the administrators group.
#ifndef INSTALLER_UTIL_UAC_UTIL_WIN_H_
#define INSTALLER_UTIL_UAC_UTIL_WIN_H_

#include <windows.h>

class InstallUACUtil {
 public:
  // True when the token of |process| holds the built-in administrators group
  // in any state: a filtered token, where the group only serves deny checks,
  // counts too. Every failure counts as not a member.
  static bool IsUserAnAdminGroup(HANDLE process);
  // False when administrators are elevated without a prompt.
  static bool AreUACNotificationsEnabled();
};

#endif  // INSTALLER_UTIL_UAC_UTIL_WIN_H_
