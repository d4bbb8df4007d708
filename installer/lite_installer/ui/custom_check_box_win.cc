#include "installer/lite_installer/ui/custom_check_box_win.h"

#include "base/win/system_function_win.h"
#include "installer/lite_installer/ui/blended_text_win.h"
#include "installer/lite_installer/ui/control_painting_win.h"
#include "installer/lite_installer/ui/dpi_scale_win.h"
#include "installer/lite_installer/ui/gdi_text_measurer_win.h"
#include "installer/lite_installer/ui/installation_window_theme_win.h"
#include "installer/lite_installer/ui/memory_canvas_win.h"
#include "installer/lite_installer/ui/window_geometry.h"

namespace lite_installer {

namespace {

// The label's box inside the control: this far below the control's top and
// below the last line (pixels, not scaled), and the glyph's corner.
constexpr int kPadding = 5;
constexpr int kGlyphOffset = 4;
// Design pixels between the glyph and the label.
constexpr int kLabelGap = 8;
constexpr long kRoleCheckButton = 44;

base::String16 WithoutMarkup(const base::String16& label) {
  base::String16 plain;
  for (const TextRun& run : SplitLinkRuns(label))
    plain += run.text;
  return plain;
}

// Whether visual styles draw this program's controls. The theme library is
// loaded by the common controls when styles are on; where it is not loaded,
// or has no such function, the controls are unthemed.
bool AppThemed() {
  using IsAppThemedFunction = BOOL(WINAPI*)();
  auto is_app_themed =
      base::win::GetSystemFunction<IsAppThemedFunction>(L"uxtheme.dll", "IsAppThemed");
  return is_app_themed && is_app_themed();
}

}  // namespace

bool CustomCheckBox::Attach(HWND check_box, int glyph_1x, int glyph_2x) {
  if (!Subclass(check_box))
    return false;
  if (!AppThemed()) {
    // Without visual styles no custom draw arrives: the button becomes
    // owner-drawn and its checked state lives here.
    checked_ = ::SendMessageW(check_box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const LONG style = ::GetWindowLongW(check_box, GWL_STYLE);
    ::SetWindowLongW(check_box, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
    owner_drawn_ = true;
  }
  return glyph_.Load(glyph_1x, glyph_2x);
}

void CustomCheckBox::SetLabel(const base::String16& label_with_link_markup, HFONT font) {
  label_ = label_with_link_markup;
  font_ = font;
  if (owner_drawn_)
    accessible_.Attach(handle(), kRoleCheckButton, WithoutMarkup(label_));
}

void CustomCheckBox::SetBackground(const ResourceBitmap* picture) {
  background_ = picture;
  if (handle())
    ::InvalidateRect(handle(), nullptr, FALSE);
}

int CustomCheckBox::Layout(const RECT& rect, HWND link_control) {
  const int left = kGlyphOffset + GlyphWidth() + Scale(kLabelGap, GetDpiScale());
  const int width = rect.right - rect.left;
  TextFlow flow;
  {
    base::win::ScopedGetDC dc(handle());
    line_height_ = MeasureLineHeight(dc.Get(), font_);
    GdiTextMeasurer measurer(dc.Get(), font_);
    flow = FlowText(SplitLinkRuns(label_), measurer, width - left, line_height_, LineAlign::kLeft);
  }
  pieces_ = flow.pieces;
  for (TextPiece& piece : pieces_) {
    piece.x += left;
    piece.y += kPadding;
  }
  const int height = flow.height + kPadding + kPadding;
  // The link control lies over the check box: the check box must not paint
  // over it.
  ::SetWindowLongW(handle(), GWL_STYLE, ::GetWindowLongW(handle(), GWL_STYLE) | WS_CLIPSIBLINGS);
  ::SetWindowPos(handle(), nullptr, rect.left, rect.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  if (link_control) {
    for (const TextPiece& piece : pieces_) {
      if (!piece.is_link)
        continue;
      ::SetWindowPos(link_control, HWND_TOP, rect.left + piece.x, rect.top + piece.y, piece.width,
                     line_height_, SWP_NOACTIVATE);
      break;
    }
  }
  ::InvalidateRect(handle(), nullptr, FALSE);
  return height;
}

LRESULT CustomCheckBox::OnCustomDraw(const NMCUSTOMDRAW& draw) {
  if (draw.dwDrawStage == CDDS_PREERASE) {
    int state = 0;
    if (draw.uItemState & CDIS_SELECTED)
      state = 2;
    else if (hot_ || (draw.uItemState & CDIS_HOT))
      state = 1;
    Paint(draw.hdc, draw.rc, state, (draw.uItemState & CDIS_FOCUS) != 0);
  }
  return CDRF_SKIPDEFAULT;
}

bool CustomCheckBox::OnDrawItem(const DRAWITEMSTRUCT& draw) {
  if (!handle() || draw.hwndItem != handle())
    return false;
  int state = 0;
  if (draw.itemState & ODS_SELECTED)
    state = 2;
  else if (hot_)
    state = 1;
  Paint(draw.hDC, draw.rcItem, state,
        (draw.itemState & ODS_FOCUS) && !(draw.itemState & ODS_NOFOCUSRECT));
  return true;
}

bool CustomCheckBox::IsChecked() const {
  if (owner_drawn_)
    return checked_;
  return ::SendMessageW(handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CustomCheckBox::SetChecked(bool checked) {
  ::SendMessageW(handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CustomCheckBox::ProcessMessage(HWND window,
                                    UINT message,
                                    WPARAM wparam,
                                    LPARAM lparam,
                                    LRESULT* result) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      TrackHotState(window, message, &hot_);
      return false;
    case WM_GETOBJECT:
      return accessible_.HandleGetObject(wparam, lparam, result);
    default:
      break;
  }
  if (!owner_drawn_)
    return false;
  switch (message) {
    case BM_GETCHECK:
      *result = checked_ ? BST_CHECKED : BST_UNCHECKED;
      return true;
    case BM_SETCHECK:
      checked_ = wparam == BST_CHECKED;
      ::InvalidateRect(window, nullptr, FALSE);
      *result = 0;
      return true;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button reports a quick second click as a double
      // click; a check box counts it as one more click.
      *result = CallPreviousProc(window, WM_LBUTTONDOWN, wparam, lparam);
      return true;
    default:
      return false;
  }
}

void CustomCheckBox::Paint(HDC dc, const RECT& rect, int state, bool focused) const {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  MemoryCanvas canvas;
  if (!canvas.Create(dc, width, height))
    return;
  const RECT local = {0, 0, width, height};
  FillWithBackground(canvas.dc(), width, height, background_, handle(), dc, {rect.left, rect.top});
  const int frame = (IsChecked() ? 3 : 0) + state;
  const int glyph_width = GlyphWidth();
  glyph_.Draw(canvas.dc(), kGlyphOffset, kGlyphOffset, glyph_width, glyph_.Height(),
              frame * glyph_width, 0, glyph_width, glyph_.Height());
  for (const TextPiece& piece : pieces_) {
    if (piece.is_link)
      continue;
    const RECT text_rect = {piece.x, piece.y, piece.x + piece.width, piece.y + line_height_};
    DrawBlendedText(canvas.dc(), text_rect, piece.text, font_, ThemeColor(kTextColor),
                    kCheckBoxLabelAlpha, DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOPREFIX);
  }
  if (focused)
    ::DrawFocusRect(canvas.dc(), &local);
  ::BitBlt(dc, rect.left, rect.top, width, height, canvas.dc(), 0, 0, SRCCOPY);
}

}  // namespace lite_installer
