#include "installer/lite_installer/ui/link_control_win.h"

#include "base/win/wide.h"
#include "installer/lite_installer/ui/blended_text_win.h"
#include "installer/lite_installer/ui/control_painting_win.h"
#include "installer/lite_installer/ui/installation_window_theme_win.h"
#include "installer/lite_installer/ui/memory_canvas_win.h"

namespace lite_installer {

namespace {

// All texts share one colour, so a link shows itself by its underline.
HFONT CreateUnderlinedFont(HFONT font) {
  LOGFONTW description = {};
  if (!font || !::GetObjectW(font, sizeof(description), &description))
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description);
  description.lfUnderline = TRUE;
  return ::CreateFontIndirectW(&description);
}

bool IsStatic(HWND control) {
  wchar_t name[16] = {};
  ::GetClassNameW(control, name, 16);
  return ::lstrcmpiW(name, L"Static") == 0;
}

}  // namespace

bool LinkControl::Attach(HWND control,
                         const base::String16& text,
                         HFONT font,
                         BYTE alpha,
                         const base::String16& accessible_name) {
  if (!Subclass(control))
    return false;
  text_ = text;
  alpha_ = alpha;
  link_font_.Reset(CreateUnderlinedFont(font));
  ::SetWindowTextW(control, base::win::AsWide(text_));
  // A static reports clicks to its parent only with SS_NOTIFY.
  if (IsStatic(control))
    ::SetWindowLongW(control, GWL_STYLE, ::GetWindowLongW(control, GWL_STYLE) | SS_NOTIFY);
  accessible_.Attach(control, kAccessibleRoleLink, accessible_name);
  return true;
}

void LinkControl::SetBackground(const ResourceBitmap* picture) {
  background_ = picture;
  if (handle())
    ::InvalidateRect(handle(), nullptr, FALSE);
}

bool LinkControl::OnDrawItem(const DRAWITEMSTRUCT& draw) {
  if (!handle() || draw.hwndItem != handle())
    return false;
  const int width = draw.rcItem.right - draw.rcItem.left;
  const int height = draw.rcItem.bottom - draw.rcItem.top;
  MemoryCanvas canvas;
  if (!canvas.Create(draw.hDC, width, height))
    return true;
  const RECT local = {0, 0, width, height};
  FillWithBackground(canvas.dc(), width, height, background_, handle(), draw.hDC,
                     {draw.rcItem.left, draw.rcItem.top});
  DrawBlendedText(canvas.dc(), local, text_, link_font_.Get(), ThemeColor(kTextColor), alpha_,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  if ((draw.itemState & ODS_FOCUS) && !(draw.itemState & ODS_NOFOCUSRECT))
    ::DrawFocusRect(canvas.dc(), &local);
  ::BitBlt(draw.hDC, draw.rcItem.left, draw.rcItem.top, width, height, canvas.dc(), 0, 0, SRCCOPY);
  return true;
}

bool LinkControl::ProcessMessage(HWND window,
                                 UINT message,
                                 WPARAM wparam,
                                 LPARAM lparam,
                                 LRESULT* result) {
  switch (message) {
    case WM_SETCURSOR:
      ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      *result = TRUE;
      return true;
    case WM_GETOBJECT:
      return accessible_.HandleGetObject(wparam, lparam, result);
    default:
      (void)window;
      return false;
  }
}

}  // namespace lite_installer
