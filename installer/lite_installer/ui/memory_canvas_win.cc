#include "installer/lite_installer/ui/memory_canvas_win.h"

namespace lite_installer {

MemoryCanvas::~MemoryCanvas() {
  // The bitmap may be deleted only once no DC holds it.
  if (dc_.IsValid() && replaced_)
    ::SelectObject(dc_.Get(), replaced_);
}

bool MemoryCanvas::Create(HDC reference, int width, int height) {
  if (width <= 0 || height <= 0)
    return false;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  base::win::ScopedBitmap bitmap(
      ::CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  base::win::ScopedMemoryDC dc(::CreateCompatibleDC(reference));
  if (!bitmap.IsValid() || !bits || !dc.IsValid())
    return false;
  HGDIOBJ replaced = ::SelectObject(dc.Get(), bitmap.Get());
  if (!replaced || replaced == HGDI_ERROR)
    return false;
  if (dc_.IsValid() && replaced_)
    ::SelectObject(dc_.Get(), replaced_);
  dc_ = std::move(dc);
  bitmap_ = std::move(bitmap);
  replaced_ = replaced;
  bits_ = bits;
  width_ = width;
  height_ = height;
  return true;
}

DWORD MemoryCanvas::PixelAt(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_)
    return 0;
  return static_cast<const DWORD*>(bits_)[static_cast<size_t>(y) * width_ + x];
}

}  // namespace lite_installer
