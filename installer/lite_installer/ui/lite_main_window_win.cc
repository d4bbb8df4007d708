#include "installer/lite_installer/ui/lite_main_window_win.h"

#include "base/win/wide.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/ui/string_table_win.h"
#include "logging/log_message.h"
#include "resources/resource_ids.h"

namespace lite_installer {

namespace {

constexpr int kCanvasWidth = 800;
constexpr int kCanvasHeight = 428;
constexpr uint32_t kTitleStringId = IDS_INSTALLER_TITLE;

}  // namespace

const wchar_t kMainWindowClassName[] = L"VelnorLiteInstallerWindow";

LiteMainWindow::LiteMainWindow(BrandPackageInfo* brand,
                               DistribInfoParams* distrib,
                               bool create_installer)
    : brand_(brand) {
  if (create_installer)
    installer_ = std::make_unique<Installer>(nullptr, brand, distrib, true);
}

LiteMainWindow::~LiteMainWindow() {
  if (window_)
    ::DestroyWindow(window_);
}

// PENDING: a plain window with the product's title stands in for the first
// screen; the window ends when the user closes it.
int LiteMainWindow::DoModal() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = kMainWindowClassName;
  ::RegisterClassExW(&window_class);

  const base::String16 title = LoadResourceString(kTitleStringId, brand_->info().language_id);
  const int x = (::GetSystemMetrics(SM_CXSCREEN) - kCanvasWidth) / 2;
  const int y = (::GetSystemMetrics(SM_CYSCREEN) - kCanvasHeight) / 2;
  window_ = ::CreateWindowExW(0, kMainWindowClassName, base::win::AsWide(title),
                              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, x, y, kCanvasWidth,
                              kCanvasHeight, nullptr, nullptr, instance, this);
  if (!window_) {
    PLOG(ERROR) << "Failed to create the installer window";
    return 0;
  }
  MSG message;
  while (window_ && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return result_;
}

LRESULT CALLBACK LiteMainWindow::WindowProc(HWND window,
                                            UINT message,
                                            WPARAM wparam,
                                            LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<LiteMainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY && self) {
    self->window_ = nullptr;
    ::PostQuitMessage(0);
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace lite_installer
