// COM, common controls and GDI+ for the length of a normal run.
#ifndef INSTALLER_LITE_INSTALLER_UI_UI_PLATFORM_SCOPE_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_UI_PLATFORM_SCOPE_WIN_H_

#include <cstdint>

namespace lite_installer {

class UiPlatformScope {
 public:
  UiPlatformScope();
  UiPlatformScope(const UiPlatformScope&) = delete;
  UiPlatformScope& operator=(const UiPlatformScope&) = delete;
  ~UiPlatformScope();

 private:
  uintptr_t gdiplus_token_ = 0;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_UI_PLATFORM_SCOPE_WIN_H_
