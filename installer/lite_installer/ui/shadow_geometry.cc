#include "installer/lite_installer/ui/shadow_geometry.h"

namespace lite_installer {

ShadowGeometry ComputeShadowGeometry(int w, int h, double factor) {
  ShadowGeometry shadow;
  const int m = Scale(8, factor);
  const int b = Scale(kDesignBorder, factor);
  const int g = b + 2 * m;
  shadow.margin = m;
  shadow.size = {w + 2 * m, h + 2 * m};
  shadow.pieces[kShadowTopLeft] = {0, 0, g, g};
  shadow.pieces[kShadowTop] = {g, 0, w - b, b + m};
  shadow.pieces[kShadowTopRight] = {w - b, 0, w + 2 * m, g};
  shadow.pieces[kShadowRight] = {m + w - b, g, w + 2 * m, h - b};
  shadow.pieces[kShadowBottomRight] = {w - b, h - b, w + 2 * m, h + 2 * m};
  shadow.pieces[kShadowBottom] = {g, m + h - b, w - b, h + 2 * m};
  shadow.pieces[kShadowBottomLeft] = {0, h - b, g, h + 2 * m};
  shadow.pieces[kShadowLeft] = {0, g, b + m, h - b};
  const int t = m - m / 2;
  shadow.band_thickness = t;
  shadow.bands[kBandTop] = {m, m, w + m, m + t};
  shadow.bands[kBandLeft] = {m, m + t, m + t, h + m - t};
  shadow.bands[kBandRight] = {w + m - t, m + t, w + m, h + m - t};
  shadow.bands[kBandBottom] = {m, h + m - t, w + m, h + m};
  return shadow;
}

}  // namespace lite_installer
