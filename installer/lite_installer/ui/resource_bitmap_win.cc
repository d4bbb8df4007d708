#include "installer/lite_installer/ui/resource_bitmap_win.h"

#include <objbase.h>

#include "base/win/scoped_com_win.h"
#include "installer/lite_installer/ui/dpi_scale_win.h"
#include "installer/lite_installer/ui/window_geometry.h"
#include "logging/log_message.h"

namespace lite_installer {

namespace {

constexpr char kLoadSource[] = "lite_installer::ResourceBitmap::Load";

// A stream over a copy of |data|; the stream owns the copy.
base::win::ScopedComPtr<IStream> StreamOver(const void* data, size_t size) {
  base::win::ScopedComPtr<IStream> stream;
  if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Receive())))
    return {};
  ULONG written = 0;
  if (FAILED(stream->Write(data, static_cast<ULONG>(size), &written)) || written != size)
    return {};
  LARGE_INTEGER start = {};
  if (FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr)))
    return {};
  return stream;
}

}  // namespace

bool ResourceBitmap::Load(int id_1x, int id_2x) {
  return LoadAtScale(id_1x, id_2x, GetDpiScale());
}

bool ResourceBitmap::LoadAtScale(int id_1x, int id_2x, double scale) {
  const BitmapChoice choice = ChooseBitmap(id_1x, id_2x, scale);
  image_.Reset();
  HRSRC resource = choice.resource_id
                       ? ::FindResourceW(nullptr, MAKEINTRESOURCEW(choice.resource_id),
                                         MAKEINTRESOURCEW(10) /* RT_RCDATA */)
                       : nullptr;
  HGLOBAL loaded = resource ? ::LoadResource(nullptr, resource) : nullptr;
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  const DWORD size = resource ? ::SizeofResource(nullptr, resource) : 0;
  if (!bytes || size == 0) {
    PLOG_AT(ERROR, kLoadSource) << "Failed to load a bitmap, id=" << choice.resource_id;
    return false;
  }
  return LoadFromData(bytes, size, choice.draw_factor);
}

bool ResourceBitmap::LoadFromData(const void* data, size_t size, double draw_factor) {
  image_.Reset();
  pixel_width_ = pixel_height_ = 0;
  draw_factor_ = draw_factor;
  base::win::ScopedComPtr<IStream> stream = StreamOver(data, size);
  base::win::ScopedGdiplusImage image;
  if (!stream.IsValid() ||
      ::GdipLoadImageFromStreamICM(stream.Get(), image.Receive()) != base::win::gdiplus::kOk ||
      !image.IsValid()) {
    ::SetLastError(ERROR_INVALID_DATA);
    PLOG_AT(ERROR, kLoadSource) << "Failed to load a bitmap";
    return false;
  }
  UINT width = 0;
  UINT height = 0;
  if (::GdipGetImageWidth(image.Get(), &width) != base::win::gdiplus::kOk ||
      ::GdipGetImageHeight(image.Get(), &height) != base::win::gdiplus::kOk) {
    ::SetLastError(ERROR_INVALID_DATA);
    PLOG_AT(ERROR, kLoadSource) << "Failed to load a bitmap";
    return false;
  }
  image_ = std::move(image);
  pixel_width_ = width;
  pixel_height_ = height;
  return true;
}

int ResourceBitmap::Width() const {
  return IsEmpty() ? 0 : static_cast<int>(pixel_width_ * draw_factor_);
}

int ResourceBitmap::Height() const {
  return IsEmpty() ? 0 : static_cast<int>(pixel_height_ * draw_factor_);
}

void ResourceBitmap::Draw(HDC dc,
                          int x,
                          int y,
                          int width,
                          int height,
                          int source_x,
                          int source_y,
                          int source_width,
                          int source_height) const {
  if (IsEmpty() || !dc)
    return;
  base::win::ScopedGdiplusGraphics graphics;
  if (::GdipCreateFromHDC(dc, graphics.Receive()) != base::win::gdiplus::kOk)
    return;
  DrawWith(graphics.Get(), x, y, width, height, source_x, source_y, source_width, source_height);
}

void ResourceBitmap::DrawAll(HDC dc, int x, int y) const {
  Draw(dc, x, y, Width(), Height(), 0, 0, Width(), Height());
}

void ResourceBitmap::DrawOnPixels(const PixelCanvas& canvas,
                                  int x,
                                  int y,
                                  int width,
                                  int height,
                                  int source_x,
                                  int source_y,
                                  int source_width,
                                  int source_height) const {
  if (IsEmpty() || !canvas.bits || canvas.width <= 0 || canvas.height <= 0)
    return;
  base::win::ScopedGdiplusImage target;
  if (::GdipCreateBitmapFromScan0(
          canvas.width, canvas.height, canvas.width * 4, base::win::gdiplus::kPixelFormat32bppPARGB,
          static_cast<BYTE*>(canvas.bits), target.Receive()) != base::win::gdiplus::kOk)
    return;
  base::win::ScopedGdiplusGraphics graphics;
  if (::GdipGetImageGraphicsContext(target.Get(), graphics.Receive()) != base::win::gdiplus::kOk)
    return;
  DrawWith(graphics.Get(), x, y, width, height, source_x, source_y, source_width, source_height);
}

void ResourceBitmap::DrawWith(GpGraphics* graphics,
                              int x,
                              int y,
                              int width,
                              int height,
                              int source_x,
                              int source_y,
                              int source_width,
                              int source_height) const {
  if (width <= 0 || height <= 0 || source_width <= 0 || source_height <= 0)
    return;
  // A 2x picture shown at 1x or 1.5x stays sharp only with a good filter,
  // and pixel centres at half offsets keep the rows and columns aligned.
  ::GdipSetInterpolationMode(graphics, base::win::gdiplus::kInterpolationModeHighQualityBicubic);
  ::GdipSetPixelOffsetMode(graphics, base::win::gdiplus::kPixelOffsetModeHalf);
  // Mirrored edges: the filter would otherwise blend the edge pixels of a
  // piece with transparent black and fade them.
  base::win::ScopedGdiplusImageAttributes attributes;
  if (::GdipCreateImageAttributes(attributes.Receive()) == base::win::gdiplus::kOk)
    ::GdipSetImageAttributesWrapMode(attributes.Get(), base::win::gdiplus::kWrapModeTileFlipXY, 0,
                                     FALSE);
  const double factor = draw_factor_ > 0 ? draw_factor_ : 1;
  ::GdipDrawImageRectRect(
      graphics, image_.Get(), static_cast<float>(x), static_cast<float>(y),
      static_cast<float>(width), static_cast<float>(height), static_cast<float>(source_x / factor),
      static_cast<float>(source_y / factor), static_cast<float>(source_width / factor),
      static_cast<float>(source_height / factor), base::win::gdiplus::kUnitPixel, attributes.Get(),
      nullptr, nullptr);
}

}  // namespace lite_installer
