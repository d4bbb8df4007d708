// Owner of WinINet session, connection and request handles.
#ifndef BASE_WIN_SCOPED_INTERNET_WIN_H_
#define BASE_WIN_SCOPED_INTERNET_WIN_H_

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <wininet.h>

#include "base/scoped_generic.h"

namespace base::win {

struct InternetHandleTraits {
  static HINTERNET InvalidValue() { return nullptr; }
  static bool Free(HINTERNET handle) { return ::InternetCloseHandle(handle) != FALSE; }
};
using ScopedInternetHandle = ScopedGeneric<InternetHandleTraits>;

}  // namespace base::win

#endif  // BASE_WIN_SCOPED_INTERNET_WIN_H_
