#include "installer/lite_installer/ui/ui_platform_scope_win.h"

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <commctrl.h>
#include <objbase.h>

namespace lite_installer {

namespace {

// The flat GDI+ start-up interface, declared here so that the C++ GDI+
// headers (which need exceptions) stay out of the build.
struct GdiplusStartupInput {
  UINT32 GdiplusVersion;
  void* DebugEventCallback;
  BOOL SuppressBackgroundThread;
  BOOL SuppressExternalCodecs;
};

}  // namespace

}  // namespace lite_installer

extern "C" {
int WINAPI GdiplusStartup(ULONG_PTR* token,
                          const lite_installer::GdiplusStartupInput* input,
                          void* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);
}

namespace lite_installer {

UiPlatformScope::UiPlatformScope() {
  ::CoInitialize(nullptr);
  // Loads the windowing library (delay-loaded) at the latest here.
  ::DefWindowProcW(nullptr, WM_NULL, 0, 0);
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LINK_CLASS | ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&controls);
  GdiplusStartupInput input = {1, nullptr, FALSE, FALSE};
  ULONG_PTR token = 0;
  ::GdiplusStartup(&token, &input, nullptr);
  gdiplus_token_ = token;
}

UiPlatformScope::~UiPlatformScope() {
  ::GdiplusShutdown(gdiplus_token_);
  ::CoUninitialize();
}

}  // namespace lite_installer
