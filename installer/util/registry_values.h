// String values under the installer's registry key. The Win32 form works on
// HKEY_CURRENT_USER\Software\Velnor\VelnorBrowser in the 64-bit view; tests
// substitute a map.
#ifndef INSTALLER_UTIL_REGISTRY_VALUES_H_
#define INSTALLER_UTIL_REGISTRY_VALUES_H_

#include "base/strings.h"

namespace installer {

class RegistryValues {
 public:
  virtual ~RegistryValues() = default;
  virtual bool Store(const std::string& name, const base::String16& text) = 0;
  // Empty when the value cannot be read.
  virtual base::String16 Read(const std::string& name) = 0;
  virtual bool Remove(const std::string& name) = 0;
};

}  // namespace installer

#endif  // INSTALLER_UTIL_REGISTRY_VALUES_H_
