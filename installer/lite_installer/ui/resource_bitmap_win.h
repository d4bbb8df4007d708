// A picture decoded from the program's resources, drawn in window pixels: a
// 2x picture shown at factor 1.5 is drawn at three quarters of its pixel
// size.
#ifndef INSTALLER_LITE_INSTALLER_UI_RESOURCE_BITMAP_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_RESOURCE_BITMAP_WIN_H_

#include <windows.h>

#include <cstddef>

#include "base/win/scoped_gdiplus_win.h"

namespace lite_installer {

// 32-bit premultiplied pixels, top row first, |width| * 4 bytes per row:
// the memory of a top-down 32-bit DIB section.
struct PixelCanvas {
  void* bits = nullptr;
  int width = 0;
  int height = 0;
};

class ResourceBitmap {
 public:
  ResourceBitmap() = default;
  ResourceBitmap(const ResourceBitmap&) = delete;
  ResourceBitmap& operator=(const ResourceBitmap&) = delete;

  // The RCDATA resource |id_2x| (a picture of twice the design size) unless
  // the DPI factor is 1 and |id_1x| exists; either id may be 0 for "none".
  // False, logged, with an empty bitmap when the picture is missing or does
  // not decode.
  bool Load(int id_1x, int id_2x);
  // As Load, for a window drawn at |scale| instead of the DPI factor.
  bool LoadAtScale(int id_1x, int id_2x, double scale);
  // Decodes an encoded picture (PNG, JPEG, ...) drawn at |draw_factor| window
  // pixels per picture pixel.
  bool LoadFromData(const void* data, size_t size, double draw_factor);

  bool IsEmpty() const { return !image_.IsValid(); }
  // In window pixels; 0 when empty.
  int Width() const;
  int Height() const;
  double draw_factor() const { return draw_factor_; }

  // Draws the source rectangle (window pixels of the picture as Width() and
  // Height() measure it) into the destination rectangle of |dc|.
  void Draw(HDC dc,
            int x,
            int y,
            int width,
            int height,
            int source_x,
            int source_y,
            int source_width,
            int source_height) const;
  // The whole picture at its window size with its top-left at (x, y).
  void DrawAll(HDC dc, int x, int y) const;
  // As Draw, into premultiplied pixels, keeping the picture's alpha (a
  // window DC drawn by GDI+ loses it).
  void DrawOnPixels(const PixelCanvas& canvas,
                    int x,
                    int y,
                    int width,
                    int height,
                    int source_x,
                    int source_y,
                    int source_width,
                    int source_height) const;

 private:
  void DrawWith(GpGraphics* graphics,
                int x,
                int y,
                int width,
                int height,
                int source_x,
                int source_y,
                int source_width,
                int source_height) const;

  base::win::ScopedGdiplusImage image_;
  UINT pixel_width_ = 0;
  UINT pixel_height_ = 0;
  double draw_factor_ = 1;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_RESOURCE_BITMAP_WIN_H_
