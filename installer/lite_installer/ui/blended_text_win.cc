#include "installer/lite_installer/ui/blended_text_win.h"

#include "base/win/scoped_gdi_win.h"
#include "base/win/wide.h"
#include "installer/lite_installer/ui/memory_canvas_win.h"

namespace lite_installer {

void DrawPictureUnder(HDC dc,
                      const RECT& dest,
                      const ResourceBitmap* picture,
                      POINT picture_origin) {
  if (!picture)
    return;
  const int width = dest.right - dest.left;
  const int height = dest.bottom - dest.top;
  picture->Draw(dc, dest.left, dest.top, width, height, picture_origin.x, picture_origin.y, width,
                height);
}

void DrawBlendedText(HDC dc,
                     const RECT& rect,
                     const base::String16& text,
                     HFONT font,
                     COLORREF color,
                     BYTE alpha,
                     UINT format) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (text.empty() || width <= 0 || height <= 0)
    return;
  MemoryCanvas copy;
  if (!copy.Create(dc, width, height))
    return;
  // The copy starts as what the destination shows, so blending it back
  // changes only the pixels the text covers.
  ::BitBlt(copy.dc(), 0, 0, width, height, dc, rect.left, rect.top, SRCCOPY);
  {
    base::win::ScopedSelectObject select_font(copy.dc(), font);
    ::SetBkMode(copy.dc(), TRANSPARENT);
    ::SetTextColor(copy.dc(), color);
    RECT local = {0, 0, width, height};
    ::DrawTextW(copy.dc(), base::win::AsWide(text), static_cast<int>(text.size()), &local, format);
  }
  ::GdiFlush();
  if (alpha == 255) {
    ::BitBlt(dc, rect.left, rect.top, width, height, copy.dc(), 0, 0, SRCCOPY);
    return;
  }
  // Constant alpha only: GDI leaves the alpha byte of text pixels undefined.
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, alpha, 0};
  ::AlphaBlend(dc, rect.left, rect.top, width, height, copy.dc(), 0, 0, width, height, blend);
}

}  // namespace lite_installer
