#include "installer/lite_installer/ui/installation_window_theme_win.h"

#include "base/win/wide.h"
#include "logging/log_message.h"

namespace lite_installer {

namespace {

constexpr char kThemeSource[] =
    "lite_installer::InstallationWindowThemeBase::InstallationWindowThemeBase";

// RT_FONT.
const wchar_t* const kFontResourceType = MAKEINTRESOURCEW(8);

// Adds font resource |id| to the process; null (logged) when it is missing
// or the system refuses it.
HANDLE AddFontResourceToProcess(int id) {
  HRSRC resource = ::FindResourceW(nullptr, MAKEINTRESOURCEW(id), kFontResourceType);
  if (!resource) {
    LOG_AT(ERROR, kThemeSource) << "Unable to find font id=" << id << " in resources";
    return nullptr;
  }
  HGLOBAL loaded = ::LoadResource(nullptr, resource);
  void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  const DWORD size = ::SizeofResource(nullptr, resource);
  if (!bytes || size == 0) {
    LOG_AT(ERROR, kThemeSource) << "Unable to load font id=" << id << " from resources";
    return nullptr;
  }
  DWORD count = 0;
  HANDLE font = ::AddFontMemResourceEx(bytes, size, nullptr, &count);
  if (!font) {
    LOG_AT(ERROR, kThemeSource) << "Unable to add font id=" << id;
    return nullptr;
  }
  LOG_AT(INFO, kThemeSource) << count << " font(s) added, id=" << id;
  return font;
}

}  // namespace

InstallationWindowThemeBase::InstallationWindowThemeBase(double dpi_scale, uint16_t language_id)
    : dpi_scale_(dpi_scale),
      language_id_(language_id),
      slide_fill_brush_(::CreateSolidBrush(ThemeColor(kSlideFillColor))) {
  for (int id : kThemeFontResourceIds) {
    if (HANDLE font = AddFontResourceToProcess(id))
      added_fonts_.push_back(font);
  }
}

InstallationWindowThemeBase::~InstallationWindowThemeBase() {
  for (HANDLE font : added_fonts_)
    ::RemoveFontMemResourceEx(font);
}

HFONT InstallationWindowThemeBase::CreateTitleFont() const {
  return CreateThemeFontAt(kTitleFont, dpi_scale_, language_id_);
}

HFONT InstallationWindowThemeBase::CreateInstallButtonFont() const {
  return CreateThemeFontAt(kInstallButtonFont, dpi_scale_, language_id_);
}

HFONT InstallationWindowThemeBase::CreateBodyFont() const {
  return CreateThemeFontAt(kBodyFont, dpi_scale_, language_id_);
}

HFONT InstallationWindowThemeBase::CreateSmallFont() const {
  return CreateThemeFontAt(kSmallFont, dpi_scale_, language_id_);
}

HFONT CreateThemeFontAt(const ThemeFont& font, double factor, uint16_t language_id) {
  const FontChoice choice = FontChoiceFor(font, language_id);
  const base::String16 face = choice.face;
  return ::CreateFontW(ThemeFontHeight(font, factor), 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                       choice.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, base::win::AsWide(face));
}

}  // namespace lite_installer
