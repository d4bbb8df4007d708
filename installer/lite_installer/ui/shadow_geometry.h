// The shadow window around the installer window: eight stretched pieces
// (corners and edges) and, from Windows 8 on, four bands of the window's own
// picture that fill the areas its rounded corners cut away. Every rectangle
// is in pixels of the shadow window, which is the main window enlarged by the
// margin on every side.
#ifndef INSTALLER_LITE_INSTALLER_UI_SHADOW_GEOMETRY_H_
#define INSTALLER_LITE_INSTALLER_UI_SHADOW_GEOMETRY_H_

#include <array>

#include "installer/lite_installer/ui/window_geometry.h"

namespace lite_installer {

enum ShadowPiece : int {
  kShadowTopLeft,
  kShadowTop,
  kShadowTopRight,
  kShadowRight,
  kShadowBottomRight,
  kShadowBottom,
  kShadowBottomLeft,
  kShadowLeft,
  kShadowPieceCount,
};

enum ShadowBand : int { kBandTop, kBandLeft, kBandRight, kBandBottom, kShadowBandCount };

struct ShadowGeometry {
  int margin = 0;  // m: how far the shadow reaches past the window
  Size size;       // of the shadow window
  std::array<Rect, kShadowPieceCount> pieces;
  // Bands are copied 1:1 from the picture's edges; each is this thick.
  int band_thickness = 0;
  std::array<Rect, kShadowBandCount> bands;
};

// For a main window of |window_width| x |window_height| pixels at |factor|.
ShadowGeometry ComputeShadowGeometry(int window_width, int window_height, double factor);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_SHADOW_GEOMETRY_H_
