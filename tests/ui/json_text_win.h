// JSON text for the window tests' helper programs: UTF-8 from wide text,
// quoted strings and rectangles.
#ifndef TESTS_UI_JSON_TEXT_WIN_H_
#define TESTS_UI_JSON_TEXT_WIN_H_

#include <windows.h>

#include <cstdio>
#include <string>

namespace ui_json {

// |length| -1: up to the terminating zero.
inline std::string Utf8(const wchar_t* text, int length = -1) {
  if (!text)
    return "";
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size : 0, '\0');
  if (size > 0)
    ::WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
  if (length < 0 && !out.empty())
    out.pop_back();
  return out;
}

inline std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof(escape), "\\u%04x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

inline std::string RectJson(const RECT& rect) {
  return "[" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
         std::to_string(rect.right) + "," + std::to_string(rect.bottom) + "]";
}

}  // namespace ui_json

#endif  // TESTS_UI_JSON_TEXT_WIN_H_
