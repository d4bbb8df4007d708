// A bare Win32 window: the least a program must do to show one. The
// start-to-window benchmark compares the installer's start with this
// program's, both started the same way under the same Wine prefix.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = L"LiteBareWindow";
  if (!::RegisterClassW(&window_class))
    return 1;
  HWND window = ::CreateWindowW(L"LiteBareWindow", L"Bare window", WS_POPUP, 100, 100, 802, 430,
                                nullptr, nullptr, instance, nullptr);
  if (!window)
    return 1;
  ::ShowWindow(window, show == SW_HIDE ? SW_SHOWNORMAL : show);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
