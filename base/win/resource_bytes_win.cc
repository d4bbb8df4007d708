#include "base/win/resource_bytes_win.h"

namespace base::win {

std::string_view ResourceBytes(HMODULE module, const wchar_t* name, const wchar_t* type) {
  HRSRC resource = ::FindResourceW(module, name, type);
  if (!resource)
    return {};
  HGLOBAL loaded = ::LoadResource(module, resource);
  const DWORD size = ::SizeofResource(module, resource);
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes || size == 0)
    return {};
  return {static_cast<const char*>(bytes), size};
}

}  // namespace base::win
