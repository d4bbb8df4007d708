// The brand record: which brand and partner build this is, where setup comes
// from, language, links, check-box defaults, feature flags and test ids.
#ifndef INSTALLER_LITE_INSTALLER_CONFIG_BRAND_INFO_H_
#define INSTALLER_LITE_INSTALLER_CONFIG_BRAND_INFO_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "installer/lite_installer/language_id.h"

// Tri-state defaults: 0 unset, 1 true, 2 false.
enum TriState : int { kTriStateUnset = 0, kTriStateTrue = 1, kTriStateFalse = 2 };

// Ordered (id, value) pairs; the value may be empty.
using TestIdList = std::vector<std::pair<std::string, std::string>>;

struct BrandInfo {
  std::string brand_id;
  std::string brand_name;
  std::string partner_id;
  std::string setup_url;
  std::string setup_url_version;
  std::string setup_url64;
  std::string setup_url_version64;
  std::string setup_url32;
  std::string setup_url_win7;
  std::string language;
  uint16_t language_id = kLanguageIdEnglish;
  std::string license_url;
  std::string conf_policy_url;
  std::string scenarios_url;
  std::string slide_url;
  std::string slide_url_if_tagged;
  std::string variations_url;
  std::string abt_url;
  std::string webntp_url;
  std::string preloaded_wallpapers_url;
  std::string vnpin_trial_state;
  int alternate_installer_title = kTriStateUnset;
  int send_statistics = kTriStateUnset;
  int make_browser_default = kTriStateUnset;
  bool pin_enabled = false;
  bool first_screen_off = false;
  bool dialogs_redesign = false;
  bool dark_theme_enabled = false;
  bool default_browser_ui_in_setup = false;
  bool program_files_installation = false;
  TestIdList test_ids;

  bool IsSendStatisticsDefault() const { return send_statistics < kTriStateFalse; }
  bool IsMakeDefaultDefault() const { return make_browser_default < kTriStateFalse; }
};

// "ru" -> 1049 and the like; every other code, "en" included, gives 1033.
uint16_t LanguageIdFromCode(std::string_view code);
// The interface-language code for a LANGID ("en" for any other).
std::string LanguageCodeFromLanguageId(uint16_t language_id);

// Splits "id", "id/value" or "id/-1" (empty value) and appends it to |list|;
// anything with no part or more than two parts is dropped.
void ParseTestId(std::string_view text, TestIdList* list);

// The brand for a region (ISO country code) and interface-language code;
// false when no row of the table matches.
bool AutodetectBrandFor(std::string_view region, std::string_view locale, std::string* brand);

// |base| with brand, partner, uid and version query parameters, skipping the
// empty ones; "&" once the URL has a "?".
std::string AppendBrandQuery(std::string base, const BrandInfo& info, std::string_view uid);

#endif  // INSTALLER_LITE_INSTALLER_CONFIG_BRAND_INFO_H_
