// The installer window's theme: the embedded fonts added to the process for
// its lifetime, the fonts made from them at the DPI factor, and the brush
// behind the slides.
#ifndef INSTALLER_LITE_INSTALLER_UI_INSTALLATION_WINDOW_THEME_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_INSTALLATION_WINDOW_THEME_WIN_H_

#include <windows.h>

#include <vector>

#include "base/win/scoped_gdi_win.h"
#include "installer/lite_installer/ui/installation_window_theme.h"

namespace lite_installer {

// An RGB value of the theme as a GDI colour.
inline COLORREF ThemeColor(uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// A new font of the theme at |factor| for the interface language
// |language_id|, owned by the caller.
HFONT CreateThemeFontAt(const ThemeFont& font, double factor, uint16_t language_id);

class InstallationWindowThemeBase {
 public:
  // Adds the font resources (a missing one is logged; the system then
  // substitutes the face).
  InstallationWindowThemeBase(double dpi_scale, uint16_t language_id);
  InstallationWindowThemeBase(const InstallationWindowThemeBase&) = delete;
  InstallationWindowThemeBase& operator=(const InstallationWindowThemeBase&) = delete;
  ~InstallationWindowThemeBase();

  // New fonts, owned by the caller.
  HFONT CreateTitleFont() const;
  HFONT CreateInstallButtonFont() const;
  HFONT CreateBodyFont() const;
  HFONT CreateSmallFont() const;

  HBRUSH slide_fill_brush() const { return slide_fill_brush_.Get(); }
  double dpi_scale() const { return dpi_scale_; }

 private:
  const double dpi_scale_;
  const uint16_t language_id_;
  std::vector<HANDLE> added_fonts_;
  base::win::ScopedBrush slide_fill_brush_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_INSTALLATION_WINDOW_THEME_WIN_H_
