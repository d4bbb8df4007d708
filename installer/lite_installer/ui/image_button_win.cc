#include "installer/lite_installer/ui/image_button_win.h"

#include "base/win/scoped_gdi_win.h"
#include "base/win/wide.h"
#include "installer/lite_installer/ui/blended_text_win.h"
#include "installer/lite_installer/ui/control_painting_win.h"
#include "installer/lite_installer/ui/memory_canvas_win.h"

namespace lite_installer {

namespace {

// Not declared for the XP target: the item's custom draw reports that
// keyboard cues are shown.
constexpr UINT kCustomDrawShowKeyboardCues = 0x0200;

}  // namespace

bool ImageButton::Attach(HWND button, int id_1x, int id_2x) {
  if (!Subclass(button))
    return false;
  return picture_.Load(id_1x, id_2x);
}

void ImageButton::SetText(const base::String16& text, HFONT font, COLORREF color) {
  text_ = text;
  font_ = font;
  color_ = color;
  if (handle()) {
    ::SetWindowTextW(handle(), base::win::AsWide(text_));
    ::InvalidateRect(handle(), nullptr, FALSE);
  }
}

void ImageButton::SetBackground(const ResourceBitmap* picture) {
  background_ = picture;
  if (handle())
    ::InvalidateRect(handle(), nullptr, FALSE);
}

void ImageButton::SetAccessibility(long role, const base::String16& name) {
  accessible_.Attach(handle(), role, name);
}

void ImageButton::SetBackgroundCanvas(const MemoryCanvas* canvas) {
  background_canvas_ = canvas;
  if (handle())
    ::InvalidateRect(handle(), nullptr, FALSE);
}

void ImageButton::SetStretchedEnds(int end_width) {
  stretched_end_width_ = end_width;
}

Size ImageButton::NaturalSize() const {
  return {picture_.Width() / 3, picture_.Height()};
}

void ImageButton::PlaceAt(int x, int y) {
  const Size size = NaturalSize();
  ::SetWindowPos(handle(), nullptr, x, y, size.width, size.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT ImageButton::OnCustomDraw(const NMCUSTOMDRAW& draw) {
  if (draw.dwDrawStage == CDDS_PREERASE) {
    const bool focused = (draw.uItemState & CDIS_FOCUS) != 0;
    if ((draw.uItemState & kCustomDrawShowKeyboardCues) && !focused)
      keyboard_cues_shown_ = true;
    Frame frame = kNormal;
    if (draw.uItemState & CDIS_SELECTED)
      frame = kPressed;
    else if (hot_ || (draw.uItemState & CDIS_HOT))
      frame = kHot;
    Paint(draw.hdc, draw.rc, frame, focused && keyboard_cues_shown_);
  }
  return CDRF_SKIPDEFAULT;
}

bool ImageButton::OnDrawItem(const DRAWITEMSTRUCT& draw) {
  if (draw.hwndItem != handle())
    return false;
  Frame frame = kNormal;
  if (draw.itemState & ODS_SELECTED)
    frame = kPressed;
  else if (hot_)
    frame = kHot;
  Paint(draw.hDC, draw.rcItem, frame,
        (draw.itemState & ODS_FOCUS) && !(draw.itemState & ODS_NOFOCUSRECT));
  return true;
}

bool ImageButton::ProcessMessage(HWND window,
                                 UINT message,
                                 WPARAM wparam,
                                 LPARAM lparam,
                                 LRESULT* result) {
  switch (message) {
    case WM_GETOBJECT:
      return accessible_.HandleGetObject(wparam, lparam, result);
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      TrackHotState(window, message, &hot_);
      return false;
    default:
      return false;
  }
}

void ImageButton::Paint(HDC dc, const RECT& rect, Frame frame, bool focus_rect) const {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  MemoryCanvas canvas;
  if (!canvas.Create(dc, width, height))
    return;
  const RECT local = {0, 0, width, height};
  if (background_canvas_) {
    const POINT corner = PositionInParent(handle());
    ::BitBlt(canvas.dc(), 0, 0, width, height, background_canvas_->dc(), corner.x, corner.y,
             SRCCOPY);
  } else {
    FillWithBackground(canvas.dc(), width, height, background_, handle(), dc,
                       {rect.left, rect.top});
  }
  DrawFrame(canvas.dc(), width, height, frame);
  if (!text_.empty()) {
    base::win::ScopedSelectObject select_font(canvas.dc(), font_);
    ::SetBkMode(canvas.dc(), TRANSPARENT);
    ::SetTextColor(canvas.dc(), color_);
    RECT text_rect = local;
    ::DrawTextW(canvas.dc(), base::win::AsWide(text_), static_cast<int>(text_.size()), &text_rect,
                DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
  }
  if (focus_rect)
    ::DrawFocusRect(canvas.dc(), &local);
  ::BitBlt(dc, rect.left, rect.top, width, height, canvas.dc(), 0, 0, SRCCOPY);
}

void ImageButton::DrawFrame(HDC dc, int width, int height, Frame frame) const {
  const Size frame_size = NaturalSize();
  const int source_x = frame * frame_size.width;
  const int end = stretched_end_width_;
  if (end <= 0 || 2 * end + 2 >= frame_size.width || 2 * end >= width) {
    picture_.Draw(dc, 0, 0, stretched_end_width_ > 0 ? width : frame_size.width,
                  stretched_end_width_ > 0 ? height : frame_size.height, source_x, 0,
                  frame_size.width, frame_size.height);
    return;
  }
  // The stretched middle first, one pixel wider on each side and taken from
  // inside the frame's identical middle columns: a stretched picture fades
  // at its edges, and the ends drawn over it hide those columns.
  picture_.Draw(dc, end - 1, 0, width - 2 * end + 2, height, source_x + end + 1, 0,
                frame_size.width - 2 * end - 2, frame_size.height);
  picture_.Draw(dc, 0, 0, end, height, source_x, 0, end, frame_size.height);
  picture_.Draw(dc, width - end, 0, end, height, source_x + frame_size.width - end, 0, end,
                frame_size.height);
}

}  // namespace lite_installer
