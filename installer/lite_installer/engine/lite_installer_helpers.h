// Whether the browser is already installed, for this user or for all users,
// and whether the machine's installation is the corporate edition. Every
// failure to read answers "not installed". The system is reached through
// InstalledBrowserSystem so that the rules run without Windows.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_LITE_INSTALLER_HELPERS_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_LITE_INSTALLER_HELPERS_H_

#include <string>

#include "base/strings.h"

namespace lite_installer {

class InstalledBrowserSystem {
 public:
  virtual ~InstalledBrowserSystem() = default;
  // A string value through the 32-bit registry view; false when absent.
  // |machine|: HKEY_LOCAL_MACHINE, else HKEY_CURRENT_USER. |read_access|:
  // the key is opened with KEY_READ instead of KEY_QUERY_VALUE.
  virtual bool ReadRegistryString(bool machine,
                                  const base::String16& key,
                                  const base::String16& value,
                                  bool read_access,
                                  base::String16* out) = 0;
  virtual bool DirectoryExists(const base::String16& path) = 0;
  // The 32-bit program files folder from the system's well-known folders;
  // empty on failure.
  virtual base::String16 GetProgramFilesFolder() = 0;
  // False unless the variable holds 1..259 characters. (<windows.h> makes
  // this name a macro: a file that includes it after this header and calls
  // or overrides the method undefines the macro first.)
  virtual bool GetEnvironmentVariable(const base::String16& name, base::String16* out) = 0;
};

// The browser's product key, under either root.
extern const char16_t kBrowserProductKey[];

// The "Application" folder of the installation at that level, found from
// the setup program its uninstall entry names; empty when there is none.
base::String16 GetExistingInstallPath(InstalledBrowserSystem& system, bool system_level);

// The machine-wide "corporate" value is exactly "true".
bool IsCorporateInstallation(InstalledBrowserSystem& system);

// An installation for this user or, failing that, for all users, and not
// the corporate edition.
bool IsRegularBrowserInstalled(InstalledBrowserSystem& system);

// An installation for all users of the corporate edition.
bool IsCorporateBrowserInstalled(InstalledBrowserSystem& system);

// The "Application" folder of the all-users installation, existing or where
// it would go; empty when not even the program files folder is known.
base::String16 GetSystemApplicationFolder(InstalledBrowserSystem& system);

// "corporate", "user" or "none", the type the setup is told.
std::string GetInstallationType(InstalledBrowserSystem& system);

// Windows paths: drive letter, colon and separator, or "\\server\share".
// |path| is absolute and has no ".." component.
bool IsAbsolutePathWithoutParentReferences(base::StringPiece16 path);
// The folder that holds |path|; a root is its own parent.
base::String16 ParentFolder(base::StringPiece16 path);

// Wired to the running system: the 32-bit registry view, the shell's
// folder, the file system and the environment.
InstalledBrowserSystem& GetWindowsInstalledBrowserSystem();

// Starts "browser.exe" of GetSystemApplicationFolder as a new process with
// default options; false (and a log line) when that fails.
bool StartExistingBrowser();

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_LITE_INSTALLER_HELPERS_H_
