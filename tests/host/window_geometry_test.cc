#include <gtest/gtest.h>

#include "installer/lite_installer/ui/installation_window_layout.h"
#include "installer/lite_installer/ui/shadow_geometry.h"
#include "installer/lite_installer/ui/window_geometry.h"

namespace lite_installer {
namespace {

TEST(PlaceRectTest, ShiftsPastTheBorderKeepsTheCanvasEdgesAndTruncates) {
  const Rect install = {60, 332, kDesignRight, kDesignBottom};
  EXPECT_EQ(PlaceRect(install, 1), (Rect{61, 333, 801, 428}));
  EXPECT_EQ(PlaceRect(install, 1.5), (Rect{91, 499, 1201, 642}));
  EXPECT_EQ(PlaceRect(install, 2), (Rect{122, 666, 1602, 856}));
  EXPECT_EQ(PlaceRect(install, 1.25), (Rect{76, 416, 1001, 535}));
  // Inner edges move with the border; the last column and row before the
  // border stay.
  const Rect bar = {60, 357, 453, 362};
  EXPECT_EQ(PlaceRect(bar, 1), (Rect{61, 358, 454, 363}));
  EXPECT_EQ(PlaceRect(bar, 1.5), (Rect{91, 537, 681, 544}));
  EXPECT_EQ(PlaceRect({0, 0, 799, 426}, 1), (Rect{1, 1, 800, 427}));
  EXPECT_EQ(PlaceRect({0, 0, 800, 427}, 1), (Rect{1, 1, 800, 427}));
}

TEST(InstallationWindowLayoutTest, VariantsPlaceTheTitleAndCheckBoxes) {
  struct Case {
    int variant;
    bool first_screen_off;
    int title_top;
    Rect send_stat;
    Rect make_default;
  };
  const Case cases[] = {
      {0, false, 98, {}, {}},
      {0, true, 146, {}, {}},
      {1, false, 138, {}, {58, 236, 453, kDesignBottom}},
      {2, true, 138, {58, 236, 453, kDesignBottom}, {}},
      {3, false, 98, {58, 206, 453, kDesignBottom}, {58, 266, 453, kDesignBottom}},
      {3, true, 146, {58, 206, 453, kDesignBottom}, {58, 266, 453, kDesignBottom}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "variant " << c.variant << " off " << c.first_screen_off);
    const InstallationWindowLayoutNewIdentity layout(true, c.variant, c.first_screen_off);
    EXPECT_EQ(layout.TitleRect(), (Rect{60, c.title_top, 472, 356}));
    EXPECT_EQ(layout.SendStatCheckRect(), c.send_stat);
    EXPECT_EQ(layout.MakeDefaultCheckRect(), c.make_default);
    EXPECT_TRUE(layout.PinCheckRect().IsEmpty());
  }
  const InstallationWindowLayoutNewIdentity win8(true, 0, false);
  const InstallationWindowLayoutNewIdentity win7(false, 0, false);
  EXPECT_EQ(win8.CornerRadius(), 9);
  EXPECT_EQ(win7.CornerRadius(), 0);
  EXPECT_EQ(win8.ClientRect(), (Rect{0, 0, 802, 430}));
  // Every element lies on the canvas at every factor.
  for (double factor : {1.0, 1.25, 1.5, 2.0}) {
    const Rect client = PlaceRect({0, 0, kDesignRight, kDesignBottom}, factor);
    for (const Rect& design :
         {win8.TitleRect(), win8.LogoRect(), win8.LicenceTextRect(), win8.ProgressBarRect(),
          win8.ProgressTextRect(), win8.CloseButtonRect(), win8.MinimizeButtonRect()}) {
      const Rect placed = PlaceRect(design, factor);
      EXPECT_GE(placed.left, 0);
      EXPECT_LE(placed.right, client.right) << factor;
      EXPECT_LE(placed.bottom, client.bottom) << factor;
      EXPECT_FALSE(placed.IsEmpty());
    }
  }
}

TEST(ChooseBitmapTest, TwiceSizedPicturesAtEveryFactorButOne) {
  // A pair at factor 1: the 1x picture, drawn 1:1.
  BitmapChoice choice = ChooseBitmap(2030, 2031, 1);
  EXPECT_EQ(choice.resource_id, 2030);
  EXPECT_EQ(choice.draw_factor, 1);
  // At 1.5 the 2x picture, drawn at three quarters.
  choice = ChooseBitmap(2030, 2031, 1.5);
  EXPECT_EQ(choice.resource_id, 2031);
  EXPECT_EQ(choice.intrinsic_factor, 2);
  EXPECT_EQ(choice.draw_factor, 0.75);
  // A background with only a 2x picture is drawn at half size at factor 1.
  choice = ChooseBitmap(0, 2069, 1);
  EXPECT_EQ(choice.resource_id, 2069);
  EXPECT_EQ(choice.draw_factor, 0.5);
  // The Install button has only a 1x picture: stretched by the factor.
  choice = ChooseBitmap(2270, 0, 1.5);
  EXPECT_EQ(choice.resource_id, 2270);
  EXPECT_EQ(choice.draw_factor, 1.5);
}

TEST(ForcedScaleFactorTest, OnlyAFiniteFactorAboveZeroCounts) {
  EXPECT_EQ(ParseForcedScaleFactor("1.5"), 1.5);
  EXPECT_EQ(ParseForcedScaleFactor("2"), 2.0);
  for (const char* ignored : {"", "0", "0.0", "abc", "1.5x", "inf", "nan", "-2", "1e999"})
    EXPECT_FALSE(ParseForcedScaleFactor(ignored).has_value()) << ignored;
}

// The pieces tile the shadow window's frame: each side is covered from end to
// end with no gap and no overlap, so no seam shows between corner and edge.
TEST(ShadowGeometryTest, PiecesJoinWithoutSeamsAtEveryFactor) {
  for (double factor : {1.0, 1.5, 2.0}) {
    SCOPED_TRACE(factor);
    const int w = Scale(kDesignWidth, factor);
    const int h = Scale(kDesignHeight, factor);
    const ShadowGeometry shadow = ComputeShadowGeometry(w, h, factor);
    const int m = shadow.margin;
    EXPECT_EQ(m, Scale(8, factor));
    EXPECT_EQ(shadow.size, (Size{w + 2 * m, h + 2 * m}));
    const auto& p = shadow.pieces;
    // Top row: corner, edge, corner.
    EXPECT_EQ(p[kShadowTopLeft].left, 0);
    EXPECT_EQ(p[kShadowTopLeft].right, p[kShadowTop].left);
    EXPECT_EQ(p[kShadowTop].right, p[kShadowTopRight].left);
    EXPECT_EQ(p[kShadowTopRight].right, shadow.size.width);
    // Bottom row.
    EXPECT_EQ(p[kShadowBottomLeft].right, p[kShadowBottom].left);
    EXPECT_EQ(p[kShadowBottom].right, p[kShadowBottomRight].left);
    EXPECT_EQ(p[kShadowBottomRight].bottom, shadow.size.height);
    // Left and right columns.
    EXPECT_EQ(p[kShadowTopLeft].bottom, p[kShadowLeft].top);
    EXPECT_EQ(p[kShadowLeft].bottom, p[kShadowBottomLeft].top);
    EXPECT_EQ(p[kShadowTopRight].bottom, p[kShadowRight].top);
    EXPECT_EQ(p[kShadowRight].bottom, p[kShadowBottomRight].top);
    EXPECT_EQ(p[kShadowRight].right, shadow.size.width);
    // The corners are square; the edges reach just past the window's border.
    for (ShadowPiece corner :
         {kShadowTopLeft, kShadowTopRight, kShadowBottomRight, kShadowBottomLeft}) {
      EXPECT_EQ(p[corner].width(), p[corner].height());
      EXPECT_EQ(p[corner].width(), Scale(1, factor) + 2 * m);
    }
    EXPECT_EQ(p[kShadowTop].height(), m + Scale(1, factor));
    EXPECT_EQ(p[kShadowLeft].width(), m + Scale(1, factor));
    // The bands frame the window's own area from inside, without overlap.
    const auto& b = shadow.bands;
    const int t = shadow.band_thickness;
    EXPECT_EQ(t, m - m / 2);
    EXPECT_EQ(b[kBandTop], (Rect{m, m, w + m, m + t}));
    EXPECT_EQ(b[kBandLeft].top, b[kBandTop].bottom);
    EXPECT_EQ(b[kBandLeft].bottom, b[kBandBottom].top);
    EXPECT_EQ(b[kBandRight].right, w + m);
    EXPECT_EQ(b[kBandBottom].bottom, h + m);
  }
}

}  // namespace
}  // namespace lite_installer
