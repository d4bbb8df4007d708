// Owners of GDI objects and device contexts, and a restorer for the object a
// SelectObject call replaced.
#ifndef BASE_WIN_SCOPED_GDI_WIN_H_
#define BASE_WIN_SCOPED_GDI_WIN_H_

#include <windows.h>

#include "base/scoped_generic.h"

namespace base::win {

// Fonts, bitmaps, brushes, pens and regions: released with DeleteObject.
template <typename Object>
struct GdiObjectTraits {
  static Object InvalidValue() { return nullptr; }
  static bool Free(Object object) { return ::DeleteObject(object) != FALSE; }
};
using ScopedFont = ScopedGeneric<GdiObjectTraits<HFONT>>;
using ScopedBitmap = ScopedGeneric<GdiObjectTraits<HBITMAP>>;
using ScopedBrush = ScopedGeneric<GdiObjectTraits<HBRUSH>>;
using ScopedRegion = ScopedGeneric<GdiObjectTraits<HRGN>>;

// A device context made with CreateCompatibleDC or CreateDC.
struct MemoryDCTraits {
  static HDC InvalidValue() { return nullptr; }
  static bool Free(HDC dc) { return ::DeleteDC(dc) != FALSE; }
};
using ScopedMemoryDC = ScopedGeneric<MemoryDCTraits>;

// A window's device context from GetDC, released to that window (null for
// the screen).
class ScopedGetDC {
 public:
  explicit ScopedGetDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;
  ~ScopedGetDC() {
    if (dc_)
      ::ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }
  bool IsValid() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects |object| into |dc| and selects the replaced object back when the
// scope ends.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
  ~ScopedSelectObject() {
    if (old_ && old_ != HGDI_ERROR)
      ::SelectObject(dc_, old_);
  }
  // False when the selection failed.
  bool IsValid() const { return old_ && old_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace base::win

#endif  // BASE_WIN_SCOPED_GDI_WIN_H_
