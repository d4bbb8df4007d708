// Opening a registry key and reading one value from it.
#ifndef BASE_WIN_REGISTRY_VALUE_WIN_H_
#define BASE_WIN_REGISTRY_VALUE_WIN_H_

#include <windows.h>

namespace base::win {

struct RegistryDword {
  bool opened = false;             // The key could be opened.
  LSTATUS status = ERROR_SUCCESS;  // Of the open when !opened, else of the query.
  DWORD type = REG_NONE;
  DWORD value = 0;  // Set only when found().
  // The value is there (of whichever type).
  bool exists() const { return opened && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA); }
  bool found() const { return opened && status == ERROR_SUCCESS && type == REG_DWORD; }
};

// Opens |key| under |root| with |access| and reads the DWORD value |name|.
RegistryDword ReadRegistryDword(HKEY root, const wchar_t* key, const wchar_t* name, REGSAM access);

}  // namespace base::win

#endif  // BASE_WIN_REGISTRY_VALUE_WIN_H_
