// What the handler of the delayed-loading mechanism says and shows when a
// system library or one of its functions is missing. The process ends after
// it; these rules only decide the text and whether a message box appears.
#ifndef INSTALLER_LITE_INSTALLER_STARTUP_DELAY_LOAD_FAILURE_H_
#define INSTALLER_LITE_INSTALLER_STARTUP_DELAY_LOAD_FAILURE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/strings.h"

namespace lite_installer {

inline constexpr char kDelayLoadMessageCaption[] = "Velnor Browser installer";

// The message is kept, cut to this many characters, in a buffer on the
// handler's stack until the process ends, so that a crash dump shows it.
inline constexpr size_t kDelayLoadMessageBufferSize = 128;

// The windowing library: a message box needs it loaded.
bool IsWindowingLibrary(std::string_view library);

// "Windows dll is not found: <library>".
std::string LibraryNotFoundMessage(std::string_view library);
// "Function <function> not found in Windows dll <library>".
std::string FunctionNotFoundMessage(std::string_view function, std::string_view library);

// How a missing function is named: its name, or "#<ordinal>" when it is
// imported by number (the name pointer then holds the number, not a text).
std::string DelayLoadFunctionName(bool by_name, const char* name, uint32_t ordinal);

// A message box is shown only when the run is not silent (the raw command
// line holds no "--silent" anywhere), the windowing library was requested
// before, and the failing library is not the windowing library itself.
bool ShouldShowDelayLoadMessage(base::StringPiece16 raw_command_line,
                                bool windowing_library_requested,
                                std::string_view failing_library);

// Copies |message|, cut to |size| - 1 characters, into |buffer| with a
// terminating NUL.
void CopyDelayLoadMessage(std::string_view message, char* buffer, size_t size);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_STARTUP_DELAY_LOAD_FAILURE_H_
