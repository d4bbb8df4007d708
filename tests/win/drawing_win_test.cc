// The window's drawing pieces against the real GDI and GDI+: pictures at
// their draw factors, blended text and the theme's fonts.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/win/scoped_gdi_win.h"
#include "installer/lite_installer/ui/blended_text_win.h"
#include "installer/lite_installer/ui/installation_window_theme_win.h"
#include "installer/lite_installer/ui/memory_canvas_win.h"
#include "installer/lite_installer/ui/resource_bitmap_win.h"
#include "tests/support/log_capture.h"
#include "tests/win/ui_test_support_win.h"

namespace lite_installer {
namespace {

constexpr DWORD kRgbMask = 0x00FFFFFF;

void Fill(const MemoryCanvas& canvas, COLORREF color) {
  base::win::ScopedBrush brush(::CreateSolidBrush(color));
  RECT all = {0, 0, canvas.width(), canvas.height()};
  ::FillRect(canvas.dc(), &all, brush.Get());
  ::GdiFlush();
}

int Green(DWORD pixel) {
  return (pixel >> 8) & 0xFF;
}

class DrawingTest : public test::UiTest {};

TEST_F(DrawingTest, PictureSizeFollowsTheDrawFactor) {
  const std::string png = test::SolidPng(16, 8, 0xFFFF0000);
  ResourceBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadFromData(png.data(), png.size(), 1));
  EXPECT_EQ(16, bitmap.Width());
  EXPECT_EQ(8, bitmap.Height());
  // A 2x picture at factor 1 and at factor 1.5.
  ASSERT_TRUE(bitmap.LoadFromData(png.data(), png.size(), 0.5));
  EXPECT_EQ(8, bitmap.Width());
  EXPECT_EQ(4, bitmap.Height());
  ASSERT_TRUE(bitmap.LoadFromData(png.data(), png.size(), 0.75));
  EXPECT_EQ(12, bitmap.Width());
  EXPECT_EQ(6, bitmap.Height());
  EXPECT_DOUBLE_EQ(0.75, bitmap.draw_factor());
}

TEST_F(DrawingTest, ResourcePictureOfThePairIsChosenByTheFactor) {
  // Test pictures 2030 (60 x 20) and 2031 (120 x 40), the same at 2x.
  ResourceBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadAtScale(2030, 2031, 1));
  EXPECT_EQ(60, bitmap.Width());
  EXPECT_DOUBLE_EQ(1, bitmap.draw_factor());
  ASSERT_TRUE(bitmap.LoadAtScale(2030, 2031, 2));
  EXPECT_EQ(120, bitmap.Width());
  EXPECT_EQ(40, bitmap.Height());
  EXPECT_DOUBLE_EQ(1, bitmap.draw_factor());
  ASSERT_TRUE(bitmap.LoadAtScale(2030, 2031, 1.5));
  EXPECT_EQ(90, bitmap.Width());
  EXPECT_DOUBLE_EQ(0.75, bitmap.draw_factor());
  // A picture with a 1x resource only is stretched.
  ASSERT_TRUE(bitmap.LoadAtScale(2030, 0, 1.5));
  EXPECT_EQ(90, bitmap.Width());
  EXPECT_EQ(30, bitmap.Height());
  EXPECT_DOUBLE_EQ(1.5, bitmap.draw_factor());
}

TEST_F(DrawingTest, UndecodableOrMissingPictureIsEmptyAndLogged) {
  test::LogCapture log;
  const std::string garbage = "not a picture at all";
  ResourceBitmap bitmap;
  EXPECT_FALSE(bitmap.LoadFromData(garbage.data(), garbage.size(), 1));
  EXPECT_TRUE(bitmap.IsEmpty());
  EXPECT_EQ(0, bitmap.Width());
  EXPECT_EQ(0, bitmap.Height());
  EXPECT_TRUE(log.Has("ERROR: Failed to load a bitmap"));
  ASSERT_EQ(1u, log.records().size());
  EXPECT_EQ("lite_installer::ResourceBitmap::Load", log.records()[0].function);

  log.Clear();
  EXPECT_FALSE(bitmap.Load(4242, 4243));
  EXPECT_TRUE(bitmap.IsEmpty());
  EXPECT_TRUE(log.Has("Failed to load a bitmap"));

  // An empty bitmap draws nothing.
  MemoryCanvas canvas;
  ASSERT_TRUE(canvas.Create(nullptr, 4, 4));
  Fill(canvas, RGB(1, 2, 3));
  bitmap.DrawAll(canvas.dc(), 0, 0);
  ::GdiFlush();
  EXPECT_EQ(0x010203u, canvas.PixelAt(1, 1) & kRgbMask);
}

TEST_F(DrawingTest, DrawsTheSourceRectangleInWindowPixels) {
  // Left half red, right half blue; drawn at half size (a 2x picture at 1x).
  const std::string png =
      test::EncodePng(40, 20, [](int x, int) { return x < 20 ? 0xFFFF0000 : 0xFF0000FF; });
  ResourceBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadFromData(png.data(), png.size(), 0.5));
  MemoryCanvas canvas;
  ASSERT_TRUE(canvas.Create(nullptr, 20, 10));
  Fill(canvas, RGB(255, 255, 255));
  // The picture's window pixels 10..15 (its blue half) into 0..5.
  bitmap.Draw(canvas.dc(), 0, 0, 5, 10, 10, 0, 5, 10);
  ::GdiFlush();
  EXPECT_EQ(0x0000FFu, canvas.PixelAt(0, 0) & kRgbMask);
  EXPECT_EQ(0x0000FFu, canvas.PixelAt(4, 9) & kRgbMask);
  EXPECT_EQ(0xFFFFFFu, canvas.PixelAt(5, 5) & kRgbMask);

  // The part under a control at (12, 0) of the parent: blue; at (2, 0): red.
  RECT dest = {10, 0, 14, 10};
  DrawPictureUnder(canvas.dc(), dest, &bitmap, POINT{2, 0});
  ::GdiFlush();
  EXPECT_EQ(0xFF0000u, canvas.PixelAt(12, 5) & kRgbMask);
  EXPECT_EQ(0xFFFFFFu, canvas.PixelAt(15, 5) & kRgbMask);
}

TEST_F(DrawingTest, DrawingOnPixelsKeepsThePremultipliedAlpha) {
  const std::string png = test::SolidPng(8, 8, 0x80FF0000);
  ResourceBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadFromData(png.data(), png.size(), 1));
  MemoryCanvas canvas;
  ASSERT_TRUE(canvas.Create(nullptr, 8, 8));
  bitmap.DrawOnPixels(canvas.pixels(), 0, 0, 8, 8, 0, 0, 8, 8);
  const DWORD pixel = canvas.PixelAt(4, 4);
  EXPECT_NEAR(0x80, static_cast<int>(pixel >> 24), 1);
  EXPECT_NEAR(0x80, static_cast<int>((pixel >> 16) & 0xFF), 1);
  EXPECT_EQ(0u, pixel & 0xFFFF);
}

TEST_F(DrawingTest, BlendedTextDarkensOnlyWhereTheTextIs) {
  MemoryCanvas canvas;
  ASSERT_TRUE(canvas.Create(nullptr, 200, 40));
  Fill(canvas, RGB(255, 255, 255));
  base::win::ScopedFont font(::CreateFontW(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                           DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
  const RECT rect = {10, 5, 190, 35};
  DrawBlendedText(canvas.dc(), rect, u"WWWW", font.Get(), RGB(0, 0, 0), 168, DT_SINGLELINE);
  ::GdiFlush();
  int darkest = 255;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const DWORD pixel = canvas.PixelAt(x, y) & kRgbMask;
      const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
      if (!inside) {
        ASSERT_EQ(0xFFFFFFu, pixel) << x << "," << y;
      }
      darkest = std::min(darkest, Green(pixel));
    }
  }
  // Black at 168 of 255 over white leaves about 87 of the white.
  EXPECT_NEAR(255 - 168, darkest, 3);
  // Far right of the text: the background stays as it was.
  EXPECT_EQ(0xFFFFFFu, canvas.PixelAt(180, 20) & kRgbMask);

  Fill(canvas, RGB(255, 255, 255));
  DrawBlendedText(canvas.dc(), rect, u"WWWW", font.Get(), RGB(0, 0, 0), 255, DT_SINGLELINE);
  ::GdiFlush();
  darkest = 255;
  for (int x = rect.left; x < rect.right; ++x)
    darkest = std::min(darkest, Green(canvas.PixelAt(x, 15)));
  EXPECT_EQ(0, darkest);
}

TEST_F(DrawingTest, MissingFontResourcesAreLoggedAndFontsStillMade) {
  test::LogCapture log;
  {
    InstallationWindowThemeBase theme(1.5, 1033);
    const std::vector<std::string> lines = log.Lines();
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ("ERROR: Unable to find font id=2087 in resources", lines[0]);
    EXPECT_EQ("ERROR: Unable to find font id=2088 in resources", lines[1]);
    EXPECT_EQ("ERROR: Unable to find font id=2090 in resources", lines[2]);

    base::win::ScopedFont body(theme.CreateBodyFont());
    base::win::ScopedFont title(theme.CreateTitleFont());
    ASSERT_TRUE(body.IsValid());
    ASSERT_TRUE(title.IsValid());
    LOGFONTW description = {};
    ASSERT_TRUE(::GetObjectW(body.Get(), sizeof(description), &description));
    EXPECT_EQ(-19, description.lfHeight);  // 13 x 1.5, truncated
    EXPECT_STREQ(L"VS Text", description.lfFaceName);
    ASSERT_TRUE(::GetObjectW(title.Get(), sizeof(description), &description));
    EXPECT_EQ(-51, description.lfHeight);
    EXPECT_EQ(500, description.lfWeight);
    EXPECT_NE(nullptr, theme.slide_fill_brush());
  }
}

}  // namespace
}  // namespace lite_installer
