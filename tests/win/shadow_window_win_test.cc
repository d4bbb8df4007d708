// The shadow window's composed picture: which piece lands where and what
// alpha survives into the layered window's pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "installer/lite_installer/ui/shadow_window_win.h"
#include "tests/win/ui_test_support_win.h"

namespace lite_installer {
namespace {

int Alpha(DWORD pixel) {
  return static_cast<int>(pixel >> 24);
}

class ShadowWindowTest : public test::UiTest {
 protected:
  // A window of 200 x 100 pixels at factor 1: margin 8, shadow 216 x 116.
  test::TestWindow owner_{200, 100};
};

TEST_F(ShadowWindowTest, CornersEdgesAndBandsFromWindows8On) {
  const std::string opaque = test::SolidPng(200, 100, 0xFF336699);
  ResourceBitmap picture;
  ASSERT_TRUE(picture.LoadFromData(opaque.data(), opaque.size(), 1));
  ShadowWindow shadow;
  ASSERT_TRUE(shadow.Create(owner_.handle(), true, 1));
  EXPECT_TRUE(::GetWindowLongW(shadow.handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(owner_.handle(), ::GetWindow(shadow.handle(), GW_OWNER));
  RECT place = {};
  ::GetWindowRect(shadow.handle(), &place);
  EXPECT_EQ(-8, place.left);
  EXPECT_EQ(216, place.right - place.left);
  EXPECT_EQ(116, place.bottom - place.top);

  shadow.Update(&picture);
  const MemoryCanvas& composed = shadow.composed();
  ASSERT_EQ(216, composed.width());
  ASSERT_EQ(116, composed.height());
  // Corner pieces are black at 32, edges at 96 (premultiplied: no colour).
  EXPECT_NEAR(0x20, Alpha(composed.PixelAt(2, 2)), 1);
  EXPECT_NEAR(0x20, Alpha(composed.PixelAt(213, 113)), 1);
  EXPECT_NEAR(0x60, Alpha(composed.PixelAt(100, 3)), 1);
  EXPECT_NEAR(0x60, Alpha(composed.PixelAt(3, 60)), 1);
  EXPECT_EQ(0u, composed.PixelAt(100, 3) & 0xFFFFFF);
  // The window's top band (rows 8..11) is the picture, opaque.
  EXPECT_EQ(0xFF336699u, composed.PixelAt(58, 9));
  EXPECT_EQ(0xFF336699u, composed.PixelAt(9, 60));
  // The middle stays clear, so the owner shows through.
  EXPECT_EQ(0u, composed.PixelAt(108, 58));

  shadow.Show();
  test::PumpMessages();
  EXPECT_TRUE(::IsWindowVisible(shadow.handle()));
  shadow.Hide();
  EXPECT_FALSE(::IsWindowVisible(shadow.handle()));
}

TEST_F(ShadowWindowTest, BeforeWindows8SquareCornersAndNoBands) {
  const std::string opaque = test::SolidPng(200, 100, 0xFF336699);
  ResourceBitmap picture;
  ASSERT_TRUE(picture.LoadFromData(opaque.data(), opaque.size(), 1));
  ShadowWindow shadow;
  ASSERT_TRUE(shadow.Create(owner_.handle(), false, 1));
  shadow.Update(&picture);
  const MemoryCanvas& composed = shadow.composed();
  EXPECT_NEAR(0x10, Alpha(composed.PixelAt(2, 2)), 1);
  EXPECT_NEAR(0x60, Alpha(composed.PixelAt(100, 3)), 1);
  EXPECT_EQ(0u, composed.PixelAt(58, 9));

  ::SetWindowPos(owner_.handle(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  shadow.MoveToOwner();
  RECT place = {};
  ::GetWindowRect(shadow.handle(), &place);
  EXPECT_EQ(32, place.left);
  EXPECT_EQ(22, place.top);
}

}  // namespace
}  // namespace lite_installer
