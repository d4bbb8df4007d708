// An off-screen 32-bit picture with a device context selected onto it: the
// place where a control is painted before it is copied or blended onto the
// screen in one step.
#ifndef INSTALLER_LITE_INSTALLER_UI_MEMORY_CANVAS_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_MEMORY_CANVAS_WIN_H_

#include <windows.h>

#include <utility>

#include "base/win/scoped_gdi_win.h"
#include "installer/lite_installer/ui/resource_bitmap_win.h"

namespace lite_installer {

class MemoryCanvas {
 public:
  MemoryCanvas() = default;
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;
  MemoryCanvas(MemoryCanvas&& other) noexcept { *this = std::move(other); }
  MemoryCanvas& operator=(MemoryCanvas&& other) noexcept;
  ~MemoryCanvas();

  // A top-down 32-bit DIB of |width| x |height|, all zero (transparent
  // black), with a DC compatible with |reference| (null: the screen).
  bool Create(HDC reference, int width, int height);

  HDC dc() const { return dc_.Get(); }
  HBITMAP bitmap() const { return bitmap_.Get(); }
  PixelCanvas pixels() const { return {bits_, width_, height_}; }
  // The pixel at (x, y) as 0xAARRGGBB; GDI must have finished drawing
  // (GdiFlush).
  DWORD PixelAt(int x, int y) const;
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  void Release();

  base::win::ScopedMemoryDC dc_;
  base::win::ScopedBitmap bitmap_;
  HGDIOBJ replaced_ = nullptr;
  void* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_MEMORY_CANVAS_WIN_H_
