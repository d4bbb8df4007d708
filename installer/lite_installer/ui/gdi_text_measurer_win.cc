#include "installer/lite_installer/ui/gdi_text_measurer_win.h"

#include "base/win/wide.h"

namespace lite_installer {

GdiTextMeasurer::GdiTextMeasurer(HDC dc, HFONT font) : dc_(dc), select_font_(dc, font) {}

int GdiTextMeasurer::MeasureWidth(const base::String16& text) {
  if (text.empty())
    return 0;
  SIZE size = {};
  if (!::GetTextExtentPoint32W(dc_, base::win::AsWide(text), static_cast<int>(text.size()), &size))
    return 0;
  return size.cx;
}

int MeasureLineHeight(HDC dc, HFONT font) {
  base::win::ScopedSelectObject select_font(dc, font);
  RECT rect = {0, 0, 0, 0};
  ::DrawTextW(dc, L"anything", -1, &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  return rect.bottom - rect.top;
}

}  // namespace lite_installer
