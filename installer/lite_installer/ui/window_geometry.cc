#include "installer/lite_installer/ui/window_geometry.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace lite_installer {

int Scale(double value, double factor) {
  return static_cast<int>(value * factor);
}

Rect PlaceRect(const Rect& design, double factor) {
  const int right = design.right + 1 < kDesignWidth - 1 ? design.right + 1 : design.right;
  const int bottom = design.bottom + 1 < kDesignHeight - 2 ? design.bottom + 1 : design.bottom;
  return {Scale(design.left + kDesignBorder, factor), Scale(design.top + kDesignBorder, factor),
          Scale(right, factor), Scale(bottom, factor)};
}

std::optional<double> ParseForcedScaleFactor(std::string_view value) {
  if (value.empty())
    return std::nullopt;
  const std::string text(value);
  char* end = nullptr;
  const double factor = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(factor) || factor <= 0)
    return std::nullopt;
  return factor;
}

BitmapChoice ChooseBitmap(int id_1x, int id_2x, double factor) {
  BitmapChoice choice;
  if (id_1x == 0 || (factor != 1 && id_2x != 0)) {
    choice.resource_id = id_2x;
    choice.intrinsic_factor = 2;
  } else {
    choice.resource_id = id_1x;
  }
  choice.draw_factor = factor / choice.intrinsic_factor;
  return choice;
}

}  // namespace lite_installer
