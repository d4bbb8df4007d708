// The installer window's theme values that need no system call: the embedded
// font resources, the fonts' faces, sizes and weights, the text colours and
// the constant alpha each owner-drawn text is blended with.
#ifndef INSTALLER_LITE_INSTALLER_UI_INSTALLATION_WINDOW_THEME_H_
#define INSTALLER_LITE_INSTALLER_UI_INSTALLATION_WINDOW_THEME_H_

#include <array>
#include <cstdint>

namespace lite_installer {

// RT_FONT resources, added to the process in this order.
inline constexpr std::array<int, 3> kThemeFontResourceIds = {2087, 2088, 2090};

struct ThemeFont {
  const char16_t* face;
  int size;  // design pixels
  int weight;
};

inline constexpr ThemeFont kTitleFont = {u"VS Geo Medium", 34, 500};
inline constexpr ThemeFont kInstallButtonFont = {u"VS Geo Regular", 18, 400};
// The licence line, the progress text and the licence link.
inline constexpr ThemeFont kBodyFont = {u"VS Text", 13, 400};
// The check box labels and the privacy link.
inline constexpr ThemeFont kSmallFont = {u"VS Text", 12, 400};

// The redesigned message dialogs.
inline constexpr ThemeFont kDialogHeadingFont = {u"VS Text", 18, 500};
inline constexpr ThemeFont kDialogTextFont = {u"VS Text", 13, 400};
inline constexpr ThemeFont kDialogButtonFont = {u"VS Text", 13, 400};
// The classic message dialogs, in a face every Windows has.
inline constexpr ThemeFont kClassicHeadingFont = {u"Arial", 16, 400};
inline constexpr ThemeFont kClassicTextFont = {u"Arial", 13, 400};
inline constexpr ThemeFont kClassicButtonFont = {u"Arial", 14, 400};

// The embedded faces have Latin and Cyrillic letters only. Chinese and
// Japanese interfaces ask for a system face of their script instead, with
// the script's character set, so that the font mapper takes another face of
// that script where this one is missing.
struct FontChoice {
  const char16_t* face;
  uint8_t charset;
};

inline FontChoice FontChoiceFor(const ThemeFont& font, uint16_t language_id) {
  switch (language_id) {
    case 2052:
      return {u"Microsoft YaHei", 134};  // GB2312_CHARSET
    case 1028:
      return {u"Microsoft JhengHei", 136};  // CHINESEBIG5_CHARSET
    case 1041:
      return {u"Meiryo", 128};  // SHIFTJIS_CHARSET
    default:
      return {font.face, 1};  // DEFAULT_CHARSET
  }
}

// The font height to ask for: negative, so that it is the character height
// and not the cell height, truncated to whole pixels.
inline int ThemeFontHeight(const ThemeFont& font, double factor) {
  return -static_cast<int>(font.size * factor);
}

// 0xRRGGBB.
inline constexpr uint32_t kTextColor = 0x000000;
inline constexpr uint32_t kInstallButtonTextColor = 0xFFFFFF;
inline constexpr uint32_t kSlideFillColor = 0xCFCFCF;
inline constexpr uint32_t kDialogHeadingColor = 0x000000;
inline constexpr uint32_t kDialogTextColor = 0x575757;
inline constexpr uint32_t kDialogButtonTextColor = 0x000000;
inline constexpr uint32_t kClassicDialogTextColor = 0x464646;

inline constexpr uint8_t kTitleAlpha = 255;
inline constexpr uint8_t kLicenceTextAlpha = 115;
inline constexpr uint8_t kProgressTextAlpha = 168;
inline constexpr uint8_t kLicenceLinkAlpha = 168;
inline constexpr uint8_t kPrivacyLinkAlpha = 255;
inline constexpr uint8_t kCheckBoxLabelAlpha = 168;

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_INSTALLATION_WINDOW_THEME_H_
