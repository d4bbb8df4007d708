#include "installer/lite_installer/ui/message_dialog_layout.h"

#include <algorithm>

namespace lite_installer {

namespace {

Rect RectAt(int x, int y, Size size) {
  return {x, y, x + size.width, y + size.height};
}

bool Has(Size size) {
  return size.width > 0 || size.height > 0;
}

}  // namespace

MessageDialogLayout LayoutRedesignedDialog(const RedesignedDialogInput& input) {
  const double f = input.factor;
  const int left = Scale(30, f);
  MessageDialogLayout layout;
  layout.heading = RectAt(left, Scale(30, f), input.heading);
  int content_bottom = layout.heading.bottom;
  if (Has(input.text)) {
    layout.text = RectAt(left, layout.heading.bottom + Scale(16, f), input.text);
    content_bottom = layout.text.bottom;
  }
  const int padding_x = 2 * Scale(16, f);
  const int padding_y = 2 * Scale(10, f);
  const Size first = {input.first_label.width + padding_x, input.first_label.height + padding_y};
  const bool has_second = Has(input.second_label);
  const Size second =
      has_second ? Size{input.second_label.width + padding_x, input.second_label.height + padding_y}
                 : Size{};
  const int buttons_top = content_bottom + Scale(24, f);
  int buttons_width = Scale(40, f) + first.width;
  if (has_second)
    buttons_width += Scale(10, f) + second.width;
  const int texts_width = Scale(50, f) + std::max(input.heading.width, input.text.width);
  layout.size.width = left + std::max(buttons_width, texts_width);
  layout.size.height = buttons_top + std::max(first.height, second.height) + Scale(30, f);
  // Right-aligned: the rightmost button ends 40 before the right edge, the
  // first (primary) one stands to the left of the second.
  const int buttons_right = layout.size.width - Scale(40, f);
  if (has_second) {
    layout.second_button = RectAt(buttons_right - second.width, buttons_top, second);
    layout.first_button =
        RectAt(layout.second_button.left - Scale(10, f) - first.width, buttons_top, first);
  } else {
    layout.first_button = RectAt(buttons_right - first.width, buttons_top, first);
  }
  // The close button keeps its picture's size, 10 pixels from the corner at
  // every factor.
  layout.close_button =
      RectAt(layout.size.width - 10 - input.close_button.width, 10, input.close_button);
  layout.corner_ellipse = input.rounded ? 2 * Scale(16, f) : 0;
  return layout;
}

ClassicDialogLayout LayoutClassicDialog(const ClassicDialogInput& input) {
  const double f = input.factor;
  ClassicDialogLayout result;
  MessageDialogLayout& layout = result.dialog;
  layout.size = {input.picture.width - Scale(13, f), input.picture.height - Scale(12, f)};
  result.picture_x = -Scale(7, f);
  result.picture_y = -Scale(4, f);
  const int width = layout.size.width;
  const int buttons_top = layout.size.height - (Scale(20, f) + input.button.height);
  if (input.has_first_button) {
    // The last 10 of the right-aligned pair is in pixels at every factor.
    const int first_x = input.buttons_right_aligned
                            ? width - 2 * input.button.width - Scale(30, f) - 10
                            : Scale(40, f);
    layout.first_button = RectAt(first_x, buttons_top, input.button);
    if (input.has_second_button) {
      layout.second_button =
          RectAt(layout.first_button.right + Scale(10, f), buttons_top, input.button);
    }
  } else if (input.has_second_button) {
    layout.second_button = RectAt((width - input.button.width) / 2, buttons_top, input.button);
  }
  int margin_left;
  int margin_top;
  int margin_right;
  int body_height;
  if (input.margins == ClassicMargins::kMessage) {
    margin_left = Scale(40, f);
    margin_top = Scale(30, f);
    margin_right = Scale(30, f);
    body_height = Scale(20, f) + Scale(30, f);
  } else {
    margin_left = Scale(40, f);
    margin_top = Scale(20, f);
    margin_right = Scale(20, f);
    body_height = Scale(30, f) + Scale(40, f);
  }
  layout.text = {margin_left, buttons_top - body_height, width - margin_right, buttons_top};
  layout.heading = {margin_left, margin_top, width - margin_right, layout.text.top};
  return result;
}

DialogShadowLayout LayoutRedesignedDialogShadow(Size dialog, bool rounded, double factor) {
  const int m = Scale(8, factor);
  const int r = rounded ? Scale(16, factor) : 0;
  const int b = Scale(1, factor);
  const int c = r + b + m;
  const int w = dialog.width;
  const int h = dialog.height;
  DialogShadowLayout layout;
  layout.margin = m;
  layout.size = {w + 2 * m, h + 2 * m};
  const int W = layout.size.width;
  const int H = layout.size.height;
  const int inner_right = m + w - r - b;
  const int inner_bottom = m + h - r - b;
  layout.pieces = {{
      {0, 0, c, c},                       // top-left
      {c, 0, inner_right, m + b},         // top
      {inner_right, 0, W, c},             // top-right
      {m + w - b, c, W, inner_bottom},    // right
      {inner_right, inner_bottom, W, H},  // bottom-right
      {c, m + h - b, inner_right, H},     // bottom
      {0, inner_bottom, c, H},            // bottom-left
      {0, c, m + b, inner_bottom},        // left
  }};
  return layout;
}

ClassicShadowLayout LayoutClassicDialogShadow(Size dialog, Size picture, double factor) {
  ClassicShadowLayout layout;
  layout.left = Scale(7, factor);
  layout.top = Scale(4, factor);
  layout.right = Scale(6, factor);
  layout.bottom = Scale(8, factor);
  layout.size = {dialog.width + layout.left + layout.right,
                 dialog.height + layout.top + layout.bottom};
  const int W = layout.size.width;
  const int H = layout.size.height;
  const int half_w = W / 2;
  const int half_h = H / 2;
  // The right and bottom quarters come from the picture's right and bottom
  // edges, whatever the two sizes' difference.
  const int source_x = picture.width - (W - half_w);
  const int source_y = picture.height - (H - half_h);
  layout.quarters = {{{0, 0, half_w, half_h},
                      {half_w, 0, W, half_h},
                      {half_w, half_h, W, H},
                      {0, half_h, half_w, H}}};
  layout.sources = {{{0, 0, half_w, half_h},
                     {source_x, 0, picture.width, half_h},
                     {source_x, source_y, picture.width, picture.height},
                     {0, source_y, half_w, picture.height}}};
  layout.cleared = {layout.left, layout.top, layout.left + dialog.width,
                    layout.top + dialog.height};
  return layout;
}

}  // namespace lite_installer
