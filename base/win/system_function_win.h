// Functions of a system DLL that not every supported Windows version exports:
// resolved at run time, so that the program still loads where they are
// missing and the caller can fall back to an older way.
#ifndef BASE_WIN_SYSTEM_FUNCTION_WIN_H_
#define BASE_WIN_SYSTEM_FUNCTION_WIN_H_

#include <windows.h>

namespace base::win {

// |name| from the already loaded |module| (e.g. L"kernel32.dll"), or null.
template <typename Function>
Function GetSystemFunction(const wchar_t* module, const char* name) {
  HMODULE handle = ::GetModuleHandleW(module);
  if (!handle)
    return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(handle, name)));
}

}  // namespace base::win

#endif  // BASE_WIN_SYSTEM_FUNCTION_WIN_H_
