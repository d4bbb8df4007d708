// Owner-drawn texts over the window's picture: the picture under a control,
// and text blended onto what is already drawn with a constant alpha, so that
// a faint text shows the picture through its strokes.
#ifndef INSTALLER_LITE_INSTALLER_UI_BLENDED_TEXT_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_BLENDED_TEXT_WIN_H_

#include <windows.h>

#include "base/strings.h"
#include "installer/lite_installer/ui/resource_bitmap_win.h"

namespace lite_installer {

// Draws into |dest| of |dc| the part of |picture| (which covers the parent's
// whole client area) that lies under it; |picture_origin| is dest's top-left
// corner in the parent's client coordinates. Nothing without a picture.
void DrawPictureUnder(HDC dc,
                      const RECT& dest,
                      const ResourceBitmap* picture,
                      POINT picture_origin);

// Draws |text| with DrawTextW and |format| into |rect| of |dc| over what the
// DC already shows there, blended with constant |alpha| (255: opaque).
void DrawBlendedText(HDC dc,
                     const RECT& rect,
                     const base::String16& text,
                     HFONT font,
                     COLORREF color,
                     BYTE alpha,
                     UINT format);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_BLENDED_TEXT_WIN_H_
