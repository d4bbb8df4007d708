// Bridges the platform-free UTF-16 strings and the Win32 wide-character API:
// on Windows wchar_t is a UTF-16 unit, so the buffers are the same.
#ifndef BASE_WIN_WIDE_H_
#define BASE_WIN_WIDE_H_

#include <string>
#include <string_view>

#include "base/strings.h"

namespace base::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide characters are UTF-16 units");

inline const wchar_t* AsWide(const String16& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline wchar_t* AsWritableWide(String16* text) {
  return reinterpret_cast<wchar_t*>(text->data());
}

inline String16 FromWide(const wchar_t* text) {
  return text ? String16(reinterpret_cast<const char16_t*>(text)) : String16();
}

inline String16 FromWide(const wchar_t* text, size_t length) {
  return String16(reinterpret_cast<const char16_t*>(text), length);
}

}  // namespace base::win

#endif  // BASE_WIN_WIDE_H_
