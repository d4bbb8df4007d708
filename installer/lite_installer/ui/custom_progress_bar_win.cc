#include "installer/lite_installer/ui/custom_progress_bar_win.h"

#include <commctrl.h>

#include <string>

#include "base/strings.h"
#include "installer/lite_installer/ui/blended_text_win.h"
#include "installer/lite_installer/ui/control_painting_win.h"
#include "installer/lite_installer/ui/memory_canvas_win.h"
#include "installer/lite_installer/ui/progress_text.h"

namespace lite_installer {

bool CustomProgressBar::Attach(HWND progress) {
  if (!Subclass(progress))
    return false;
  accessible_.Attach(progress, kAccessibleRoleProgressBar, base::String16());
  return true;
}

void CustomProgressBar::SetImages(int fill_1x,
                                  int fill_2x,
                                  int track_1x,
                                  int track_2x,
                                  const ResourceBitmap* background) {
  fill_.Load(fill_1x, fill_2x);
  track_.Load(track_1x, track_2x);
  background_ = background;
  if (handle())
    ::InvalidateRect(handle(), nullptr, FALSE);
}

void CustomProgressBar::SetBackground(const ResourceBitmap* background) {
  background_ = background;
  if (handle())
    ::InvalidateRect(handle(), nullptr, FALSE);
}

void CustomProgressBar::SetRange(int low, int high) {
  ::SendMessageW(handle(), PBM_SETRANGE, 0, MAKELPARAM(low, high));
}

void CustomProgressBar::SetPos(int pos) {
  ::SendMessageW(handle(), PBM_SETPOS, static_cast<WPARAM>(pos), 0);
  ::InvalidateRect(handle(), nullptr, FALSE);
  accessible_.SetValue(base::ASCIIToUTF16(std::to_string(pos) + "%"));
}

int CustomProgressBar::GetPos() const {
  return static_cast<int>(::SendMessageW(handle(), PBM_GETPOS, 0, 0));
}

bool CustomProgressBar::ProcessMessage(HWND window,
                                       UINT message,
                                       WPARAM wparam,
                                       LPARAM lparam,
                                       LRESULT* result) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = ::BeginPaint(window, &paint);
      RECT client = {};
      ::GetClientRect(window, &client);
      if (dc)
        Paint(dc, client);
      ::EndPaint(window, &paint);
      *result = 0;
      return true;
    }
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    case PBM_SETBARCOLOR:
    case PBM_SETBKCOLOR:
      *result = 0;
      return true;
    case WM_GETOBJECT:
      return accessible_.HandleGetObject(wparam, lparam, result);
    default:
      return false;
  }
}

void CustomProgressBar::Paint(HDC dc, const RECT& client) const {
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0)
    return;
  // With a background the bar is composed off-screen and copied in one step.
  MemoryCanvas canvas;
  const bool composed = background_ && canvas.Create(dc, width, height);
  HDC target = composed ? canvas.dc() : dc;
  const int left = composed ? 0 : client.left;
  const int top = composed ? 0 : client.top;
  if (composed) {
    const RECT local = {0, 0, width, height};
    DrawPictureUnder(target, local, background_, PositionInParent(handle()));
  }
  PBRANGE range = {};
  ::SendMessageW(handle(), PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  const int pos = GetPos();
  const int filled = ProgressFillWidth(width, range.iLow, range.iHigh, pos);
  if (filled > 0)
    fill_.Draw(target, left, top, filled, height, 0, 0, filled, fill_.Height());
  if (filled < width) {
    track_.Draw(target, left + filled, top, width - filled, height, filled, 0, width - filled,
                track_.Height());
  }
  if (composed)
    ::BitBlt(dc, client.left, client.top, width, height, canvas.dc(), 0, 0, SRCCOPY);
}

}  // namespace lite_installer
