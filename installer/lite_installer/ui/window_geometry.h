// Rectangles of the installer window in design pixels and in window pixels:
// the design canvas is 800 x 428 inside a border of 1, and a design rectangle
// becomes a window rectangle through PlaceRect at the DPI factor.
#ifndef INSTALLER_LITE_INSTALLER_UI_WINDOW_GEOMETRY_H_
#define INSTALLER_LITE_INSTALLER_UI_WINDOW_GEOMETRY_H_

#include <optional>
#include <string_view>

namespace lite_installer {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool operator==(const Rect&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

inline constexpr int kDesignBorder = 1;
inline constexpr int kDesignWidth = 800 + 2 * kDesignBorder;
inline constexpr int kDesignHeight = 428 + 2 * kDesignBorder;
// "W" and "H" of the design tables: a rectangle reaching the right or bottom
// edge of the canvas.
inline constexpr int kDesignRight = kDesignWidth - 1;
inline constexpr int kDesignBottom = kDesignHeight - 2;

// A design value in window pixels: truncated toward zero.
int Scale(double value, double factor);

// Shifts |design| past the border (an edge that would reach the border stays
// where it is) and scales it by |factor|.
Rect PlaceRect(const Rect& design, double factor);

// The factor "force-device-scale-factor" asks for: a finite number above
// zero (a negative one would give the window a negative size); nothing
// otherwise, and the screen's DPI decides.
std::optional<double> ParseForcedScaleFactor(std::string_view value);

// Which of a picture's two resources is drawn at |factor|: the 2x one unless
// there is none or the factor is 1 (and a 1x one exists).
struct BitmapChoice {
  int resource_id = 0;
  int intrinsic_factor = 1;
  // Window pixels per picture pixel.
  double draw_factor = 1;
};
BitmapChoice ChooseBitmap(int id_1x, int id_2x, double factor);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_WINDOW_GEOMETRY_H_
