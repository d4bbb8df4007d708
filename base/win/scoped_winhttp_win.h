// Owner of WinHTTP session, connection and request handles. A separate header
// from the WinINet one: the two libraries' headers cannot share a source file.
#ifndef BASE_WIN_SCOPED_WINHTTP_WIN_H_
#define BASE_WIN_SCOPED_WINHTTP_WIN_H_

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <winhttp.h>

#include "base/scoped_generic.h"

namespace base::win {

struct WinHttpHandleTraits {
  static HINTERNET InvalidValue() { return nullptr; }
  static bool Free(HINTERNET handle) { return ::WinHttpCloseHandle(handle) != FALSE; }
};
using ScopedWinHttpHandle = ScopedGeneric<WinHttpHandleTraits>;

}  // namespace base::win

#endif  // BASE_WIN_SCOPED_WINHTTP_WIN_H_
