#include "tests/win/ui_test_support_win.h"

#include <objbase.h>

#include <vector>

#include "base/win/gdiplus_flat_win.h"
#include "base/win/scoped_com_win.h"
#include "base/win/scoped_gdiplus_win.h"

extern "C" GpStatus WINAPI GdipSaveImageToStream(GpImage* image,
                                                 IStream* stream,
                                                 const CLSID* encoder,
                                                 const void* parameters);

namespace test {

namespace {

// The PNG encoder of GDI+.
constexpr CLSID kPngEncoder = {0x557CF406,
                               0x1A04,
                               0x11D3,
                               {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
constexpr int kPixelFormat32bppARGB = 0x0026200A;

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

std::string EncodePng(int width, int height, const std::function<uint32_t(int, int)>& argb) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      pixels[static_cast<size_t>(y) * width + x] = argb(x, y);
  }
  base::win::ScopedGdiplusImage bitmap;
  if (::GdipCreateBitmapFromScan0(width, height, width * 4, kPixelFormat32bppARGB,
                                  reinterpret_cast<BYTE*>(pixels.data()),
                                  bitmap.Receive()) != base::win::gdiplus::kOk)
    return {};
  base::win::ScopedComPtr<IStream> stream;
  if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Receive())))
    return {};
  if (::GdipSaveImageToStream(bitmap.Get(), stream.Get(), &kPngEncoder, nullptr) !=
      base::win::gdiplus::kOk)
    return {};
  STATSTG stat = {};
  stream->Stat(&stat, STATFLAG_NONAME);
  std::string bytes(static_cast<size_t>(stat.cbSize.QuadPart), '\0');
  LARGE_INTEGER start = {};
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  ULONG read = 0;
  stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
  bytes.resize(read);
  return bytes;
}

TestWindow::TestWindow(int width, int height) {
  static const ATOM window_class = [] {
    WNDCLASSEXW description = {sizeof(description)};
    description.lpfnWndProc = PlainWindowProc;
    description.hInstance = ::GetModuleHandleW(nullptr);
    description.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    description.lpszClassName = L"LiteUiTestWindow";
    return ::RegisterClassExW(&description);
  }();
  RECT frame = {0, 0, width, height};
  ::AdjustWindowRectEx(&frame, WS_POPUP, FALSE, 0);
  window_ = ::CreateWindowExW(0, reinterpret_cast<LPCWSTR>(static_cast<uintptr_t>(window_class)),
                              L"test", WS_POPUP | WS_VISIBLE, 0, 0, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
  PumpMessages();
}

TestWindow::~TestWindow() {
  if (window_)
    ::DestroyWindow(window_);
}

void PumpMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

}  // namespace test
