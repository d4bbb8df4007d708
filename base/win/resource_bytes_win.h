// The bytes of a module's resource.
#ifndef BASE_WIN_RESOURCE_BYTES_WIN_H_
#define BASE_WIN_RESOURCE_BYTES_WIN_H_

#include <windows.h>

#include <string_view>

namespace base::win {

// The resource's bytes as the module maps them (valid while the module stays
// loaded; null |module| is this program); empty when it is missing, cannot be
// loaded or is empty.
std::string_view ResourceBytes(HMODULE module, const wchar_t* name, const wchar_t* type);

}  // namespace base::win

#endif  // BASE_WIN_RESOURCE_BYTES_WIN_H_
