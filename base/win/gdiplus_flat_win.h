// The part of the flat GDI+ interface the installer draws with, declared here
// so that the C++ GDI+ headers (which need exceptions) stay out of the build.
// Every function returns a status; 0 is success.
#ifndef BASE_WIN_GDIPLUS_FLAT_WIN_H_
#define BASE_WIN_GDIPLUS_FLAT_WIN_H_

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <objidl.h>

namespace base::win::gdiplus {

struct GpImage;
struct GpGraphics;
struct GpImageAttributes;
using GpBitmap = GpImage;
using GpStatus = int;

inline constexpr GpStatus kOk = 0;
inline constexpr int kUnitPixel = 2;
inline constexpr int kInterpolationModeHighQualityBicubic = 7;
inline constexpr int kPixelOffsetModeHalf = 4;
inline constexpr int kWrapModeTileFlipXY = 3;
inline constexpr int kCompositingModeSourceCopy = 1;
// 32 bits per pixel, alpha premultiplied: the layout of a layered window's
// picture.
inline constexpr int kPixelFormat32bppPARGB = 0x000E200B;

}  // namespace base::win::gdiplus

extern "C" {
using base::win::gdiplus::GpBitmap;
using base::win::gdiplus::GpGraphics;
using base::win::gdiplus::GpImage;
using base::win::gdiplus::GpImageAttributes;
using base::win::gdiplus::GpStatus;

GpStatus WINAPI GdipLoadImageFromStreamICM(IStream* stream, GpImage** image);
GpStatus WINAPI GdipDisposeImage(GpImage* image);
GpStatus WINAPI GdipGetImageWidth(GpImage* image, UINT* width);
GpStatus WINAPI GdipGetImageHeight(GpImage* image, UINT* height);
GpStatus WINAPI GdipCreateBitmapFromScan0(INT width,
                                          INT height,
                                          INT stride,
                                          INT format,
                                          BYTE* scan0,
                                          GpBitmap** bitmap);
GpStatus WINAPI GdipCreateFromHDC(HDC dc, GpGraphics** graphics);
GpStatus WINAPI GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
GpStatus WINAPI GdipDeleteGraphics(GpGraphics* graphics);
GpStatus WINAPI GdipSetInterpolationMode(GpGraphics* graphics, int mode);
GpStatus WINAPI GdipSetPixelOffsetMode(GpGraphics* graphics, int mode);
GpStatus WINAPI GdipSetCompositingMode(GpGraphics* graphics, int mode);
GpStatus WINAPI GdipCreateImageAttributes(GpImageAttributes** attributes);
GpStatus WINAPI GdipDisposeImageAttributes(GpImageAttributes* attributes);
GpStatus WINAPI GdipSetImageAttributesWrapMode(GpImageAttributes* attributes,
                                               int wrap,
                                               DWORD argb,
                                               BOOL clamp);
GpStatus WINAPI GdipDrawImageRectRect(GpGraphics* graphics,
                                      GpImage* image,
                                      float dst_x,
                                      float dst_y,
                                      float dst_width,
                                      float dst_height,
                                      float src_x,
                                      float src_y,
                                      float src_width,
                                      float src_height,
                                      int src_unit,
                                      const GpImageAttributes* attributes,
                                      void* abort_callback,
                                      void* callback_data);
}

#endif  // BASE_WIN_GDIPLUS_FLAT_WIN_H_
