#include "installer/lite_installer/config/distrib_predicates.h"

#include <charconv>

#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/config/distrib_info_params.h"
#include "logging/log_message.h"

namespace {

bool IsExactlyOne(const DistribInfoParams& distrib, const std::string& key) {
  std::string text;
  return distrib.GetValue(key, &text) && text == "1";
}

// A whole decimal number in the signed 32-bit range.
bool ParseInt(const std::string& text, int* value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, *value);
  return result.ec == std::errc() && result.ptr == end && !text.empty();
}

}  // namespace

bool HasDefValue(const DistribInfoParams& distrib, bool* value) {
  std::string text;
  if (!distrib.GetValue("def", &text))
    return false;
  *value = text == "1";
  return true;
}

bool GetStatValue(const DistribInfoParams& distrib, bool* value) {
  std::string text;
  if (distrib.GetValue("stat", &text)) {
    *value = text == "1";
    return true;
  }
  if (distrib.GetValue("statpromo", &text)) {
    *value = text == "true";
    return true;
  }
  *value = false;
  return false;
}

bool IsFirstScreenOff(const BrandPackageInfo& brand, const DistribInfoParams& distrib) {
  bool def = false;
  bool stat = false;
  return (brand.info().first_screen_off || IsExactlyOne(distrib, "first")) &&
         HasDefValue(distrib, &def) && GetStatValue(distrib, &stat);
}

int GetUacMode(const BrandPackageInfo& brand,
               const DistribInfoParams& distrib,
               const base::CommandLine& command_line) {
  if (command_line.HasSwitch("system-level") ||
      command_line.HasSwitch("program-files-installation"))
    return 0;
  std::string text;
  int mode = 0;
  // A value that is no whole number in range counts as absent.
  if (!distrib.GetValue("uac", &text) || !ParseInt(text, &mode))
    return 0;
  switch (mode) {
    case 0:
      return IsFirstScreenOff(brand, distrib) ? 1 : 0;
    case 1:
    case 2:
      return mode;
    default:
      return 0;
  }
}

bool ShowDefaultBrowserUiInSetup(const BrandPackageInfo& brand, const DistribInfoParams& distrib) {
  return brand.info().default_browser_ui_in_setup || IsExactlyOne(distrib, "defbruiinsp");
}

bool IsUts2(const DistribInfoParams& distrib) {
  return IsExactlyOne(distrib, "uts2");
}

namespace lite_installer {

int GetVnpinTrialState(const DistribInfoParams& distrib,
                       const BrandPackageInfo& brand,
                       const base::CommandLine& command_line) {
  const BrandInfo& info = brand.info();
  if (!info.pin_enabled) {
    if (!info.vnpin_trial_state.empty())
      LOG(WARNING) << "No install.pin for vnpin_state=" << info.vnpin_trial_state;
    return 1;
  }
  std::string text = info.vnpin_trial_state;
  if (text.empty())
    text = command_line.GetSwitchValueASCII("vnpin-state");
  if (text.empty())
    distrib.GetValue("vnpin", &text);
  int state = 0;
  if (!ParseInt(text, &state) || state < 0 || state >= 4)
    return 0;
  return state;
}

}  // namespace lite_installer
