// What the tests of the window's drawing pieces share: GDI+ and COM started
// for the test, pictures encoded on the spot, and a plain parent window.
#ifndef TESTS_WIN_UI_TEST_SUPPORT_WIN_H_
#define TESTS_WIN_UI_TEST_SUPPORT_WIN_H_

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "installer/lite_installer/ui/ui_platform_scope_win.h"

namespace test {

// A PNG of |width| x |height| whose pixel (x, y) is |argb(x, y)|
// (0xAARRGGBB, not premultiplied).
std::string EncodePng(int width, int height, const std::function<uint32_t(int, int)>& argb);
inline std::string SolidPng(int width, int height, uint32_t argb) {
  return EncodePng(width, height, [argb](int, int) { return argb; });
}

// A visible top-level window with a client area of |width| x |height| at
// the screen's top-left corner, destroyed with the object.
class TestWindow {
 public:
  TestWindow(int width, int height);
  ~TestWindow();
  HWND handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// Pumps the thread's pending messages.
void PumpMessages();

class UiTest : public ::testing::Test {
 private:
  lite_installer::UiPlatformScope platform_;
};

}  // namespace test

#endif  // TESTS_WIN_UI_TEST_SUPPORT_WIN_H_
