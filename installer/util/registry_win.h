// String values under HKEY_CURRENT_USER, always in the 64-bit registry view,
// with the log lines support staff look for.
#ifndef INSTALLER_UTIL_REGISTRY_WIN_H_
#define INSTALLER_UTIL_REGISTRY_WIN_H_

#include <string>

#include "base/strings.h"
#include "installer/util/registry_values.h"

namespace installer {

// "Software\Velnor\VelnorBrowser".
extern const wchar_t kInstallerRegistryKeyPath[];

bool StoreValueInRegistry(const base::String16& key,
                          const std::string& name,
                          const base::String16& text);
bool ReadValueFromRegistry(const base::String16& key,
                           const std::string& name,
                           base::String16* text);
bool RemoveValueFromRegistry(const base::String16& key, const std::string& name);

// The installer's own key.
class InstallerRegistryKey : public RegistryValues {
 public:
  bool Store(const std::string& name, const base::String16& text) override;
  base::String16 Read(const std::string& name) override;
  bool Remove(const std::string& name) override;
};

// The value |name| of the installer's key when it names an existing file or
// directory; empty otherwise.
base::String16 ReadFilePathFromRegistry(const std::string& name);

}  // namespace installer

#endif  // INSTALLER_UTIL_REGISTRY_WIN_H_
