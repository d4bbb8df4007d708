#include "installer/lite_installer/ui/redesigned_message_dialog_win.h"

#include <array>

#include "installer/lite_installer/ui/installation_window_theme_win.h"
#include "installer/lite_installer/ui/message_dialog_layout.h"
#include "installer/lite_installer/ui/resource_bitmap_win.h"
#include "resources/resource_ids.h"

namespace lite_installer {

namespace {

// Button pictures keep this much of each end when they are stretched.
constexpr int kButtonEndWidth = 8;

// The shadow's pictures in the layout's piece order (top-left, top,
// top-right, right, bottom-right, bottom, bottom-left, left), as offsets
// from the first picture of a set, which holds the corners top-left,
// top-right, bottom-right, bottom-left, then the edges left, top, right,
// bottom.
constexpr std::array<int, 8> kShadowPictureOffsets = {0, 5, 1, 6, 2, 7, 3, 4};

}  // namespace

void RedesignedMessageDialog::Layout(HWND window) {
  const double factor = context_.factor;
  heading_font_.Reset(CreateThemeFontAt(kDialogHeadingFont, factor, context_.language_id));
  text_font_.Reset(CreateThemeFontAt(kDialogTextFont, factor, context_.language_id));
  button_font_.Reset(CreateThemeFontAt(kDialogButtonFont, factor, context_.language_id));
  SetUpTexts(window, heading_font_.Get(), text_font_.Get(), ThemeColor(kDialogHeadingColor),
             ThemeColor(kDialogTextColor));
  // The texts break only where they have line breaks, and their controls
  // are measured to fit them.
  for (int id : {kDialogHeadingId, kDialogTextId}) {
    HWND control = ::GetDlgItem(window, id);
    const LONG style = ::GetWindowLongW(control, GWL_STYLE);
    ::SetWindowLongW(control, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_LEFTNOWORDWRAP);
  }
  const bool yellow = content_.first_picture == ButtonPicture::kYellow;
  SetUpButton(&first_button_, window, kDialogResultGoOn,
              yellow ? IDR_DIALOG_PRIMARY_BUTTON : IDR_DIALOG_SECONDARY_BUTTON,
              yellow ? IDR_DIALOG_PRIMARY_BUTTON_2X : IDR_DIALOG_SECONDARY_BUTTON_2X,
              content_.first_button, button_font_.Get(), ThemeColor(kDialogButtonTextColor));
  SetUpButton(&second_button_, window, kDialogResultStop, IDR_DIALOG_SECONDARY_BUTTON,
              IDR_DIALOG_SECONDARY_BUTTON_2X, content_.second_button, button_font_.Get(),
              ThemeColor(kDialogButtonTextColor));
  first_button_.SetStretchedEnds(Scale(kButtonEndWidth, factor));
  second_button_.SetStretchedEnds(Scale(kButtonEndWidth, factor));
  SetUpCloseButton(window);

  RedesignedDialogInput input;
  input.heading = MeasureText(window, String(content_.heading), heading_font_.Get());
  input.text = MeasureText(window, BodyText(), text_font_.Get());
  input.first_label = MeasureText(window, String(content_.first_button), button_font_.Get());
  input.second_label = MeasureText(window, String(content_.second_button), button_font_.Get());
  input.close_button = close_button_.NaturalSize();
  input.rounded = context_.windows8_or_later;
  input.factor = factor;
  const MessageDialogLayout layout = LayoutRedesignedDialog(input);

  CenterOnWorkArea(window, layout.size);
  if (layout.corner_ellipse > 0) {
    HRGN region = ::CreateRoundRectRgn(0, 0, layout.size.width + 1, layout.size.height + 1,
                                       layout.corner_ellipse, layout.corner_ellipse);
    // The window owns the region from here on.
    if (region && !::SetWindowRgn(window, region, FALSE))
      ::DeleteObject(region);
  }
  ComposeBackground(layout.size);
  PlaceControl(window, kDialogHeadingId, layout.heading);
  PlaceControl(window, kDialogTextId, layout.text);
  PlaceControl(window, kDialogResultGoOn, content_.first_button ? layout.first_button : Rect{});
  PlaceControl(window, kDialogResultStop, content_.second_button ? layout.second_button : Rect{});
  PlaceControl(window, kDialogResultClose, layout.close_button);
  ShowShadow(window, layout.size);
}

void RedesignedMessageDialog::ComposeBackground(Size size) {
  MemoryCanvas canvas;
  if (!canvas.Create(nullptr, size.width, size.height))
    return;
  ResourceBitmap picture;
  if (picture.LoadAtScale(IDR_DIALOG_BACKGROUND, 0, context_.factor)) {
    picture.Draw(canvas.dc(), 0, 0, size.width, size.height, 0, 0, picture.Width(),
                 picture.Height());
  } else {
    const RECT all = {0, 0, size.width, size.height};
    ::FillRect(canvas.dc(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  }
  background_ = std::move(canvas);
}

void RedesignedMessageDialog::ShowShadow(HWND window, Size size) {
  const bool rounded = context_.windows8_or_later;
  const DialogShadowLayout layout = LayoutRedesignedDialogShadow(size, rounded, context_.factor);
  MemoryCanvas canvas;
  if (!canvas.Create(nullptr, layout.size.width, layout.size.height))
    return;
  const int first_picture =
      rounded ? IDR_DIALOG_SHADOW_CORNER_FIRST : IDR_DIALOG_SHADOW_SQUARE_CORNER_FIRST;
  for (size_t i = 0; i < layout.pieces.size(); ++i) {
    // Each piece is one picture stretched into its rectangle.
    ResourceBitmap piece;
    if (!piece.LoadAtScale(first_picture + kShadowPictureOffsets[i], 0, 1))
      continue;
    const Rect& rect = layout.pieces[i];
    piece.DrawOnPixels(canvas.pixels(), rect.left, rect.top, rect.width(), rect.height(), 0, 0,
                       piece.Width(), piece.Height());
  }
  const DialogShadow::Margins margins = {layout.margin, layout.margin, layout.margin,
                                         layout.margin};
  shadow_.Show(window, WS_POPUPWINDOW | WS_VISIBLE, 0, margins, std::move(canvas));
}

}  // namespace lite_installer
