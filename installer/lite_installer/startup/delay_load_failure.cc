#include "installer/lite_installer/startup/delay_load_failure.h"

#include <cstring>

namespace lite_installer {

bool IsWindowingLibrary(std::string_view library) {
  return base::EqualsCaseInsensitiveASCII(library, "user32.dll");
}

std::string LibraryNotFoundMessage(std::string_view library) {
  return "Windows dll is not found: " + std::string(library);
}

std::string FunctionNotFoundMessage(std::string_view function, std::string_view library) {
  return "Function " + std::string(function) + " not found in Windows dll " + std::string(library);
}

std::string DelayLoadFunctionName(bool by_name, const char* name, uint32_t ordinal) {
  if (!by_name)
    return "#" + std::to_string(ordinal);
  return name ? std::string(name) : std::string();
}

bool ShouldShowDelayLoadMessage(base::StringPiece16 raw_command_line,
                                bool windowing_library_requested,
                                std::string_view failing_library) {
  if (raw_command_line.find(u"--silent") != base::StringPiece16::npos)
    return false;
  return windowing_library_requested && !IsWindowingLibrary(failing_library);
}

void CopyDelayLoadMessage(std::string_view message, char* buffer, size_t size) {
  if (size == 0)
    return;
  const size_t length = message.size() < size - 1 ? message.size() : size - 1;
  std::memcpy(buffer, message.data(), length);
  buffer[length] = '\0';
}

}  // namespace lite_installer
