// Text measured in a GDI font, for the platform-free text flow.
#ifndef INSTALLER_LITE_INSTALLER_UI_GDI_TEXT_MEASURER_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_GDI_TEXT_MEASURER_WIN_H_

#include <windows.h>

#include "base/strings.h"
#include "base/win/scoped_gdi_win.h"
#include "installer/lite_installer/ui/text_flow.h"

namespace lite_installer {

// Measures with GetTextExtentPoint32W in |font| selected into |dc| for the
// measurer's lifetime.
class GdiTextMeasurer : public TextMeasurer {
 public:
  GdiTextMeasurer(HDC dc, HFONT font);
  int MeasureWidth(const base::String16& text) override;

 private:
  HDC dc_;
  base::win::ScopedSelectObject select_font_;
};

// The height of one line of |font|: what DrawTextW with DT_CALCRECT gives
// for a word of ordinary letters.
int MeasureLineHeight(HDC dc, HFONT font);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_GDI_TEXT_MEASURER_WIN_H_
