#include "installer/lite_installer/ui/classic_message_dialog_win.h"

#include <cstring>

#include "installer/lite_installer/ui/installation_window_theme_win.h"
#include "installer/lite_installer/ui/message_dialog_layout.h"
#include "resources/resource_ids.h"

namespace lite_installer {

void ClassicMessageDialog::Layout(HWND window) {
  const double factor = context_.factor;
  heading_font_.Reset(CreateThemeFontAt(kClassicHeadingFont, factor, context_.language_id));
  text_font_.Reset(CreateThemeFontAt(kClassicTextFont, factor, context_.language_id));
  button_font_.Reset(CreateThemeFontAt(kClassicButtonFont, factor, context_.language_id));
  const COLORREF color = ThemeColor(kClassicDialogTextColor);
  SetUpTexts(window, heading_font_.Get(), text_font_.Get(), color, color);
  SetUpButton(&first_button_, window, kDialogResultGoOn, IDR_CLASSIC_DIALOG_FIRST_BUTTON,
              IDR_CLASSIC_DIALOG_FIRST_BUTTON_2X, content_.first_button, button_font_.Get(), color);
  SetUpButton(&second_button_, window, kDialogResultStop, IDR_CLASSIC_DIALOG_SECOND_BUTTON,
              IDR_CLASSIC_DIALOG_SECOND_BUTTON_2X, content_.second_button, button_font_.Get(),
              color);
  SetUpCloseButton(window);
  picture_.Load(IDR_CLASSIC_DIALOG_BACKGROUND, IDR_CLASSIC_DIALOG_BACKGROUND_2X);

  ClassicDialogInput input;
  input.picture = {picture_.Width(), picture_.Height()};
  if (input.picture.width == 0)
    input.picture = {Scale(410, factor), Scale(186, factor)};
  const Size first_frame = first_button_.NaturalSize();
  const Size second_frame = second_button_.NaturalSize();
  input.button = first_frame.width ? first_frame : second_frame;
  if (input.button.width == 0)
    input.button = {Scale(120, factor), Scale(28, factor)};
  input.has_first_button = content_.first_button != 0;
  input.has_second_button = content_.second_button != 0;
  input.buttons_right_aligned = content_.buttons_right_aligned;
  input.margins = content_.margins;
  input.factor = factor;
  const ClassicDialogLayout layout = LayoutClassicDialog(input);
  const Size size = layout.dialog.size;

  CenterOnWorkArea(window, size);
  MemoryCanvas canvas;
  if (canvas.Create(nullptr, size.width, size.height)) {
    const RECT all = {0, 0, size.width, size.height};
    ::FillRect(canvas.dc(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    picture_.Draw(canvas.dc(), layout.picture_x, layout.picture_y, picture_.Width(),
                  picture_.Height(), 0, 0, picture_.Width(), picture_.Height());
    background_ = std::move(canvas);
  }
  PlaceControl(window, kDialogHeadingId, layout.dialog.heading);
  PlaceControl(window, kDialogTextId, has_text() ? layout.dialog.text : Rect{});
  PlaceControl(window, kDialogResultGoOn, layout.dialog.first_button);
  PlaceControl(window, kDialogResultStop, layout.dialog.second_button);
  const Size close = close_button_.NaturalSize();
  PlaceControl(window, kDialogResultClose,
               {size.width - 10 - close.width, 10, size.width - 10, 10 + close.height});
  ShowShadow(window, size);
}

void ClassicMessageDialog::ShowShadow(HWND window, Size size) {
  {
    // The shadow needs per-pixel alpha on the screen.
    base::win::ScopedGetDC screen(nullptr);
    if (::GetDeviceCaps(screen.Get(), BITSPIXEL) < 32)
      return;
  }
  const Size picture = {picture_.Width(), picture_.Height()};
  const ClassicShadowLayout layout = LayoutClassicDialogShadow(size, picture, context_.factor);
  MemoryCanvas canvas;
  if (picture_.IsEmpty() || !canvas.Create(nullptr, layout.size.width, layout.size.height))
    return;
  for (size_t i = 0; i < layout.quarters.size(); ++i) {
    const Rect& to = layout.quarters[i];
    const Rect& from = layout.sources[i];
    picture_.DrawOnPixels(canvas.pixels(), to.left, to.top, to.width(), to.height(), from.left,
                          from.top, from.width(), from.height());
  }
  // The dialog shows its own picture; under it the shadow window is clear.
  const PixelCanvas pixels = canvas.pixels();
  for (int y = layout.cleared.top; y < layout.cleared.bottom && y < pixels.height; ++y) {
    auto* row = static_cast<uint32_t*>(pixels.bits) + static_cast<size_t>(y) * pixels.width;
    const int from = layout.cleared.left;
    const int to = layout.cleared.right < pixels.width ? layout.cleared.right : pixels.width;
    if (to > from)
      std::memset(row + from, 0, static_cast<size_t>(to - from) * sizeof(uint32_t));
  }
  const DialogShadow::Margins margins = {layout.left, layout.top, layout.right, layout.bottom};
  shadow_.Show(window, WS_POPUPWINDOW | WS_VISIBLE | WS_CLIPSIBLINGS,
               WS_EX_TRANSPARENT | WS_EX_NOACTIVATE, margins, std::move(canvas));
}

}  // namespace lite_installer
