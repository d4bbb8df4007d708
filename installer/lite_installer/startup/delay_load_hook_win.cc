#include "installer/lite_installer/startup/delay_load_hook_win.h"

#include <intrin.h>

#include <atomic>
#include <string>

#include "base/win/wide.h"
#include "installer/lite_installer/startup/delay_load_failure.h"

namespace lite_installer {

namespace {

std::atomic<bool> g_windowing_library_requested{false};

[[noreturn]] void ReportAndTrap(const std::string& message, const char* library) {
  // Stays on this frame, unchanged, until the trap: a dump of the crash
  // shows what was missing.
  char buffer[kDelayLoadMessageBufferSize];
  CopyDelayLoadMessage(message, buffer, sizeof(buffer));
  if (ShouldShowDelayLoadMessage(base::win::FromWide(::GetCommandLineW()),
                                 g_windowing_library_requested.load(), library)) {
    ::MessageBoxA(nullptr, buffer, kDelayLoadMessageCaption, MB_OK);
  }
  // Keeps the buffer alive in memory up to the trap.
  asm volatile("" : : "r"(buffer) : "memory");
  __debugbreak();
  // Only a debugger that resumes gets here; the process still must not go on.
  ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(EXCEPTION_BREAKPOINT));
  __builtin_unreachable();
}

}  // namespace

FARPROC WINAPI DelayLoadFailureHook(unsigned notification, PDelayLoadInfo info) {
  const char* library = info && info->szDll ? info->szDll : "";
  switch (notification) {
    case dliNotePreLoadLibrary:
    case dliNotePreGetProcAddress:
      if (IsWindowingLibrary(library))
        g_windowing_library_requested.store(true);
      return nullptr;
    case dliFailLoadLib:
      ReportAndTrap(LibraryNotFoundMessage(library), library);
    case dliFailGetProc: {
      const std::string function =
          info ? DelayLoadFunctionName(info->dlp.fImportByName != FALSE, info->dlp.szProcName,
                                       info->dlp.dwOrdinal)
               : std::string();
      ReportAndTrap(FunctionNotFoundMessage(function, library), library);
    }
    default:
      return nullptr;
  }
}

bool WindowingLibraryRequested() {
  return g_windowing_library_requested.load();
}

}  // namespace lite_installer
