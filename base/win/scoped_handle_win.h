// Owners of kernel objects, registry keys, loaded libraries, mapped views,
// directory listings and windows this code created.
#ifndef BASE_WIN_SCOPED_HANDLE_WIN_H_
#define BASE_WIN_SCOPED_HANDLE_WIN_H_

#include <windows.h>

#include "base/scoped_generic.h"

namespace base::win {

// Both null and INVALID_HANDLE_VALUE count as "no handle".
struct KernelHandleTraits {
  static HANDLE InvalidValue() { return nullptr; }
  static bool IsValid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  static bool Free(HANDLE handle) { return ::CloseHandle(handle) != FALSE; }
};
using ScopedHandle = ScopedGeneric<KernelHandleTraits>;

struct RegistryKeyTraits {
  static HKEY InvalidValue() { return nullptr; }
  static bool Free(HKEY key) { return ::RegCloseKey(key) == ERROR_SUCCESS; }
};
using ScopedRegKey = ScopedGeneric<RegistryKeyTraits>;

struct LibraryTraits {
  static HMODULE InvalidValue() { return nullptr; }
  static bool Free(HMODULE module) { return ::FreeLibrary(module) != FALSE; }
};
using ScopedLibrary = ScopedGeneric<LibraryTraits>;

struct MappedViewTraits {
  static const void* InvalidValue() { return nullptr; }
  static bool Free(const void* view) { return ::UnmapViewOfFile(view) != FALSE; }
};
using ScopedMappedView = ScopedGeneric<MappedViewTraits>;

// A directory listing from FindFirstFileW, ended with FindClose.
struct FindHandleTraits {
  static HANDLE InvalidValue() { return INVALID_HANDLE_VALUE; }
  static bool Free(HANDLE find) { return ::FindClose(find) != FALSE; }
};
using ScopedFindHandle = ScopedGeneric<FindHandleTraits>;

// A window created by the owner's thread, destroyed on that thread.
struct WindowTraits {
  static HWND InvalidValue() { return nullptr; }
  static bool Free(HWND window) { return ::DestroyWindow(window) != FALSE; }
};
using ScopedWindow = ScopedGeneric<WindowTraits>;

}  // namespace base::win

#endif  // BASE_WIN_SCOPED_HANDLE_WIN_H_
