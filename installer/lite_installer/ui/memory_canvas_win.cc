#include "installer/lite_installer/ui/memory_canvas_win.h"

namespace lite_installer {

MemoryCanvas::~MemoryCanvas() {
  Release();
}

MemoryCanvas& MemoryCanvas::operator=(MemoryCanvas&& other) noexcept {
  if (this == &other)
    return *this;
  Release();
  dc_ = std::move(other.dc_);
  bitmap_ = std::move(other.bitmap_);
  replaced_ = std::exchange(other.replaced_, nullptr);
  bits_ = std::exchange(other.bits_, nullptr);
  width_ = std::exchange(other.width_, 0);
  height_ = std::exchange(other.height_, 0);
  return *this;
}

void MemoryCanvas::Release() {
  // The bitmap may be deleted only once no DC holds it.
  if (dc_.IsValid() && replaced_)
    ::SelectObject(dc_.Get(), replaced_);
  dc_.Reset();
  bitmap_.Reset();
  replaced_ = nullptr;
  bits_ = nullptr;
  width_ = height_ = 0;
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
  Release();
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
