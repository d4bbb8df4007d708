#include "base/win/registry_value_win.h"

#include "base/win/scoped_handle_win.h"

namespace base::win {

RegistryDword ReadRegistryDword(HKEY root, const wchar_t* key, const wchar_t* name, REGSAM access) {
  RegistryDword result;
  ScopedRegKey handle;
  result.status = ::RegOpenKeyExW(root, key, 0, access, handle.Receive());
  if (result.status != ERROR_SUCCESS)
    return result;
  result.opened = true;
  DWORD value = 0;
  DWORD size = sizeof(value);
  result.status = ::RegQueryValueExW(handle.Get(), name, nullptr, &result.type,
                                     reinterpret_cast<BYTE*>(&value), &size);
  if (result.found() && size == sizeof(value))
    result.value = value;
  else if (result.status == ERROR_SUCCESS && result.type == REG_DWORD)
    result.type = REG_NONE;  // A short DWORD is no DWORD.
  return result;
}

}  // namespace base::win
