// The thread library of the C++ runtime calls GetTickCount64, which older
// Windows versions do not export; an ordinary import of it would keep the
// program from loading there. Every Windows program links this object, whose
// import slot satisfies those calls before the linker searches the KERNEL32
// import library: the function is looked up at run time, and the 32-bit tick
// count stands in where it is missing.
#include <windows.h>

#include <atomic>

#include "base/win/system_function_win.h"

namespace {

using TickCount64Function = ULONGLONG(WINAPI*)();

ULONGLONG WINAPI TickCount32() {
  return ::GetTickCount();
}

// Filled on first use; a plain atomic rather than a function-local static,
// whose guard would go through the thread library that calls this.
std::atomic<TickCount64Function> g_tick_count64{nullptr};

ULONGLONG WINAPI TickCount64() {
  TickCount64Function function = g_tick_count64.load(std::memory_order_acquire);
  if (!function) {
    function = base::win::GetSystemFunction<TickCount64Function>(L"kernel32.dll", "GetTickCount64");
    if (!function)
      function = TickCount32;
    g_tick_count64.store(function, std::memory_order_release);
  }
  return function();
}

}  // namespace

// The import slot the calls go through: "__imp_" and the decorated name.
extern "C" {
#if defined(__i386__)
TickCount64Function lite_imp_get_tick_count64 __asm__("__imp__GetTickCount64@0") = TickCount64;
#else
TickCount64Function lite_imp_get_tick_count64 __asm__("__imp_GetTickCount64") = TickCount64;
#endif
}
