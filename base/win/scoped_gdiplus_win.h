// Owners of GDI+ objects made through the flat interface.
#ifndef BASE_WIN_SCOPED_GDIPLUS_WIN_H_
#define BASE_WIN_SCOPED_GDIPLUS_WIN_H_

#include "base/scoped_generic.h"
#include "base/win/gdiplus_flat_win.h"

namespace base::win {

struct GdiplusImageTraits {
  static GpImage* InvalidValue() { return nullptr; }
  static void Free(GpImage* image) { ::GdipDisposeImage(image); }
};
using ScopedGdiplusImage = ScopedGeneric<GdiplusImageTraits>;

struct GdiplusGraphicsTraits {
  static GpGraphics* InvalidValue() { return nullptr; }
  static void Free(GpGraphics* graphics) { ::GdipDeleteGraphics(graphics); }
};
using ScopedGdiplusGraphics = ScopedGeneric<GdiplusGraphicsTraits>;

struct GdiplusImageAttributesTraits {
  static GpImageAttributes* InvalidValue() { return nullptr; }
  static void Free(GpImageAttributes* attributes) { ::GdipDisposeImageAttributes(attributes); }
};
using ScopedGdiplusImageAttributes = ScopedGeneric<GdiplusImageAttributesTraits>;

}  // namespace base::win

#endif  // BASE_WIN_SCOPED_GDIPLUS_WIN_H_
