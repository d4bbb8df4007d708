#include "installer/lite_installer/temp_path_win.h"

#include <windows.h>

#include "base/win/wide.h"

namespace lite_installer {

base::String16 GetTempDirectory() {
  wchar_t buffer[MAX_PATH];
  const DWORD length = ::GetTempPathW(MAX_PATH, buffer);
  if (length == 0 || length >= MAX_PATH)
    return base::String16();
  return base::win::FromWide(buffer, length);
}

}  // namespace lite_installer
