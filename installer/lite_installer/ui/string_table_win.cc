#include "installer/lite_installer/ui/string_table_win.h"

#include <windows.h>

namespace lite_installer {

namespace {

// Strings are stored in blocks of 16, each a length-prefixed UTF-16 text.
bool FindString(uint32_t id, uint16_t language_id, base::String16* text) {
  const WORD block_id = static_cast<WORD>(id / 16 + 1);
  HRSRC resource = ::FindResourceExW(nullptr, RT_STRING, MAKEINTRESOURCEW(block_id), language_id);
  if (!resource)
    return false;
  HGLOBAL loaded = ::LoadResource(nullptr, resource);
  const auto* data = loaded ? static_cast<const char16_t*>(::LockResource(loaded)) : nullptr;
  if (!data)
    return false;
  const size_t size_units = ::SizeofResource(nullptr, resource) / sizeof(char16_t);
  size_t pos = 0;
  for (uint32_t index = 0; index < id % 16; ++index) {
    if (pos >= size_units)
      return false;
    pos += 1 + data[pos];
  }
  if (pos >= size_units || pos + 1 + data[pos] > size_units || data[pos] == 0)
    return false;
  text->assign(data + pos + 1, data[pos]);
  return true;
}

}  // namespace

base::String16 LoadResourceString(uint32_t id, uint16_t language_id) {
  base::String16 text;
  if (!FindString(id, language_id, &text) && language_id != kLanguageIdEnglish)
    FindString(id, kLanguageIdEnglish, &text);
  return text;
}

}  // namespace lite_installer
