#include "installer/lite_installer/ui/control_painting_win.h"

#include "installer/lite_installer/ui/blended_text_win.h"

namespace lite_installer {

POINT PositionInParent(HWND control) {
  POINT corner = {0, 0};
  ::MapWindowPoints(control, ::GetParent(control), &corner, 1);
  return corner;
}

void TrackHotState(HWND control, UINT message, bool* hot) {
  if (message == WM_MOUSEMOVE && !*hot) {
    *hot = true;
    // One WM_MOUSELEAVE per entry: the request ends when it is sent.
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, control, 0};
    ::TrackMouseEvent(&track);
    ::InvalidateRect(control, nullptr, FALSE);
  } else if (message == WM_MOUSELEAVE && *hot) {
    *hot = false;
    ::InvalidateRect(control, nullptr, FALSE);
  }
}

void FillWithBackground(HDC canvas,
                        int width,
                        int height,
                        const ResourceBitmap* background,
                        HWND control,
                        HDC dc,
                        POINT dc_origin) {
  if (background) {
    const RECT local = {0, 0, width, height};
    DrawPictureUnder(canvas, local, background, PositionInParent(control));
  } else {
    ::BitBlt(canvas, 0, 0, width, height, dc, dc_origin.x, dc_origin.y, SRCCOPY);
  }
}

}  // namespace lite_installer
