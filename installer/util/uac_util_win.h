// Whether this system shows elevation prompts to administrators.
#ifndef INSTALLER_UTIL_UAC_UTIL_WIN_H_
#define INSTALLER_UTIL_UAC_UTIL_WIN_H_

class InstallUACUtil {
 public:
  // False when administrators are elevated without a prompt.
  static bool AreUACNotificationsEnabled();
};

#endif  // INSTALLER_UTIL_UAC_UTIL_WIN_H_
