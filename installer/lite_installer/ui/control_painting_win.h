// Small steps the owner-drawn controls share.
#ifndef INSTALLER_LITE_INSTALLER_UI_CONTROL_PAINTING_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_CONTROL_PAINTING_WIN_H_

#include <windows.h>

namespace lite_installer {

class ResourceBitmap;

// The control's top-left corner in its parent's client coordinates: where
// the control sits on a picture drawn over the parent's client area.
POINT PositionInParent(HWND control);

// Repaints the control when the mouse enters it and when it leaves: call
// with every WM_MOUSEMOVE and WM_MOUSELEAVE; |*hot| says whether the mouse
// is over the control.
void TrackHotState(HWND control, UINT message, bool* hot);

// Fills a |width| x |height| canvas of |control| with what lies under the
// control: the part of |background| (the parent's picture) under it, or,
// without a picture, what |dc| holds at |dc_origin|.
void FillWithBackground(HDC canvas,
                        int width,
                        int height,
                        const ResourceBitmap* background,
                        HWND control,
                        HDC dc,
                        POINT dc_origin);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_CONTROL_PAINTING_WIN_H_
