#include "installer/lite_installer/config/brand_package_info.h"

#include "base/json_reader.h"
#include "installer/service_origins.h"
#include "installer/util/registry_values.h"
#include "logging/log_message.h"

namespace {

constexpr char kDefaultBrandId[] = "velnor";

void LogBrandInfo(const BrandInfo& info) {
  LOG(INFO) << "Brand id: " << info.brand_id;
  LOG(INFO) << "Brand name: " << info.brand_name;
  LOG(INFO) << "Setup url: " << info.setup_url;
  LOG(INFO) << "Versioned setup url: " << info.setup_url_version;
  LOG(INFO) << "Setup url64: " << info.setup_url64;
  LOG(INFO) << "Versioned setup url64: " << info.setup_url_version64;
  LOG(INFO) << "Setup url32: " << info.setup_url32;
  LOG(INFO) << "Setup url for Win7: " << info.setup_url_win7;
  LOG(INFO) << "Default language: " << info.language;
  LOG(INFO) << "Orvel install scenarios url: " << info.scenarios_url;
  LOG(INFO) << "Install slide url by default: " << info.slide_url;
  LOG(INFO) << "Install slide url if tagged installer: " << info.slide_url_if_tagged;
  LOG(INFO) << "Show international title: " << (info.alternate_installer_title == kTriStateTrue);
  LOG(INFO) << "Send browser's statistics: " << info.IsSendStatisticsDefault();
  LOG(INFO) << "Make browser default after import: " << info.IsMakeDefaultDefault();
  LOG(INFO) << "Preloaded wallpapers url: " << info.preloaded_wallpapers_url;
  std::string test_ids;
  for (const auto& [id, value] : info.test_ids) {
    if (!test_ids.empty())
      test_ids += ", ";
    test_ids += value.empty() ? id : id + "/" + value;
  }
  LOG(INFO) << "Test ids: " << test_ids;
}

std::string AutodetectBrandName(BrandPlatform* platform) {
  const std::string region = platform->UserRegion();
  LOG(INFO) << "User region: " << region;
  const std::string locale = LanguageCodeFromLanguageId(platform->UserInterfaceLanguage());
  LOG(INFO) << "User locale: " << locale;
  std::string brand;
  if (!AutodetectBrandFor(region, locale, &brand)) {
    LOG(INFO) << "Didn't found brand-name. Use default: " << kDefaultBrandId;
    return kDefaultBrandId;
  }
  LOG(INFO) << "Detected brand-name: " << brand;
  return brand;
}

// Sets |*field| from a string value when the field is still empty.
void TakeString(const base::JsonValue& root, std::string_view path, std::string* field) {
  const base::JsonValue* value = base::FindConfigValue(root, path);
  if (field->empty() && value && value->is_string())
    *field = value->get<std::string>();
}

// Sets |*field| from a boolean when the field is still unset.
void TakeTriState(const base::JsonValue& root, std::string_view path, int* field) {
  const base::JsonValue* value = base::FindConfigValue(root, path);
  if (*field == kTriStateUnset && value && value->is_boolean())
    *field = value->get<bool>() ? kTriStateTrue : kTriStateFalse;
}

// Overwrites |*field| from a boolean member of |feature|.
void TakeFlag(const base::JsonValue& feature, std::string_view path, bool* field) {
  const base::JsonValue* value = base::FindJsonPath(feature, path);
  if (value && value->is_boolean())
    *field = value->get<bool>();
}

// The feature object at |path| when it exists and is not null.
const base::JsonValue* FindFeature(const base::JsonValue& root, std::string_view path) {
  const base::JsonValue* feature = base::FindJsonPath(root, path);
  return feature && !feature->is_null() ? feature : nullptr;
}

}  // namespace

BrandPackageInfo::BrandPackageInfo(base::String16 temp_dir, BrandPlatform* platform)
    : temp_dir_(std::move(temp_dir)), platform_(platform) {}

BrandPackageInfo::~BrandPackageInfo() = default;

void BrandPackageInfo::Clear() {
  LOG(INFO) << "Reset brand info.";
  info_ = BrandInfo();
}

void BrandPackageInfo::GetInfo(const std::string& brand_name) {
  Clear();
  RemoveFromRegistry();
  Clear();
  brand_package_path_ = temp_dir_ + u"BrandFile";
  LOG(INFO) << "Brand package path: " << brand_package_path_;
  partner_package_path_ = temp_dir_ + u"PartnerFile";
  LOG(INFO) << "Partner package path: " << partner_package_path_;
  GetInfoFromResources(brand_name);
}

void BrandPackageInfo::GetInfoFromResources(const std::string& brand_name) {
  const std::string partner = platform_->LoadPackage(kPartnerPackageId);
  if (!partner.empty()) {
    LOG(INFO) << "Extract Partner package: " << partner_package_path_ << " [" << partner.size()
              << "B]";
    has_partner_package_ = WritePackageFile(partner_package_path_, partner);
    ExtractFromPackage(partner, "partner_config");
  } else {
    LOG(WARNING) << "Partner package is empty.";
  }

  std::string package_name;
  if (brand_name == "auto") {
    package_name = base::ToUpperASCII(AutodetectBrandName(platform_));
    LOG(INFO) << "Fetching autodetected " << package_name << " package";
  } else if (!brand_name.empty()) {
    package_name = base::ToUpperASCII(brand_name);
    LOG(INFO) << "Fetching defined " << package_name << " package";
  }
  std::string brand;
  if (!package_name.empty())
    brand = platform_->LoadPackage("BRAND_" + package_name);
  if (brand.empty()) {
    LOG(INFO) << "Fetching default package";
    brand = platform_->LoadPackage(kDefaultBrandPackageId);
  }
  if (!brand.empty()) {
    LOG(INFO) << "Extract Brand package: " << brand_package_path_ << " [" << brand.size() << "B]";
    has_brand_package_ = WritePackageFile(brand_package_path_, brand);
    ExtractFromPackage(brand, "brand_config");
  } else {
    LOG(WARNING) << "Brand package is empty.";
  }
}

bool BrandPackageInfo::WritePackageFile(const base::String16& path, std::string_view package) {
  if (platform_->WriteFile(path, package))
    return true;
  // A file left by an earlier run must not reach the setup in place of this
  // package.
  PLOG(ERROR) << "Failed to write package file " << path;
  platform_->RemoveFile(path);
  return false;
}

void BrandPackageInfo::ExtractFromPackage(std::string_view package, const std::string& file_name) {
  CabinetFiles files;
  platform_->ExtractCabinet(package, file_name, &files);
  const auto it = files.find(file_name);
  if (it == files.end())
    return;
  ApplyBrandInfo(it->second);
  LogBrandInfo(info_);
}

void BrandPackageInfo::ApplyBrandInfo(std::string_view config_text) {
  base::JsonValue root;
  std::string error;
  if (!base::ReadJson(config_text, &root, &error)) {
    PLOG(ERROR) << "Failed to load json : " << error;
    return;
  }
  if (!root.is_object()) {
    PLOG(ERROR) << "Incorrect format of json";
    return;
  }

  TakeString(root, "languages.interface", &info_.language);
  info_.language_id = LanguageIdFromCode(info_.language);
  TakeString(root, "brand_id", &info_.brand_id);
  TakeString(root, "brand_name", &info_.brand_name);
  TakeString(root, "install.setup_url", &info_.setup_url);
  TakeString(root, "install.setup_url_version", &info_.setup_url_version);
  TakeString(root, "install.setup_url64", &info_.setup_url64);
  TakeString(root, "install.setup_url_version64", &info_.setup_url_version64);
  TakeString(root, "install.setup_url32", &info_.setup_url32);
  TakeString(root, "install.setup_url_win7", &info_.setup_url_win7);
  TakeString(root, "license_url", &info_.license_url);
  TakeString(root, "install.conf_policy_url", &info_.conf_policy_url);
  TakeTriState(root, "install.alternate_installer_title", &info_.alternate_installer_title);
  TakeTriState(root, "install.send_statistics", &info_.send_statistics);
  TakeTriState(root, "install.make_browser_default", &info_.make_browser_default);
  TakeString(root, "partner_id", &info_.partner_id);
  TakeString(root, "install.scenarios_url", &info_.scenarios_url);
  TakeString(root, "install.slide_url", &info_.slide_url);
  TakeString(root, "install.slide_url_if_tagged", &info_.slide_url_if_tagged);
  TakeString(root, "urls.variations", &info_.variations_url);
  TakeString(root, "urls.abt", &info_.abt_url);
  TakeString(root, "urls.webntp", &info_.webntp_url);
  TakeString(root, "install.preloaded_wallpapers_url", &info_.preloaded_wallpapers_url);

  // "pin" has no top-level fallback: only the path inside "install" counts.
  const base::JsonValue* pin = base::FindJsonPath(root, "install.pin");
  if (pin && !pin->is_null()) {
    info_.pin_enabled = true;
    LOG(INFO) << "Found install.pin";
  }
  TakeString(root, "install.vnpin_trial_state", &info_.vnpin_trial_state);

  if (const base::JsonValue* feature =
          FindFeature(root, "overridden_features.InstallerNewIdentity2024")) {
    TakeFlag(*feature, "params.firstScreenOff", &info_.first_screen_off);
    TakeFlag(*feature, "params.dialogsRedesign", &info_.dialogs_redesign);
    LOG(INFO) << "InstallerNewIdentity2024: firstScreenOff = " << info_.first_screen_off
              << ", dialogsRedesign = " << info_.dialogs_redesign;
  }
  if (const base::JsonValue* feature =
          FindFeature(root, "overridden_features.InstallerDarkTheme2024")) {
    TakeFlag(*feature, "enabled", &info_.dark_theme_enabled);
    LOG(INFO) << "InstallerDarkTheme2024: enabled = " << info_.dark_theme_enabled;
  }
  if (const base::JsonValue* feature =
          FindFeature(root, "overridden_features.DefaultBrowserUiInSetup")) {
    TakeFlag(*feature, "enabled", &info_.default_browser_ui_in_setup);
    LOG(INFO) << "ShowDefaultBrowserUiFromInstaller: enabled=" << info_.default_browser_ui_in_setup;
  }
  if (const base::JsonValue* feature =
          FindFeature(root, "overridden_features.ProgramFilesInstallation")) {
    TakeFlag(*feature, "enabled", &info_.program_files_installation);
    LOG(INFO) << "ProgramFilesInstallation: enabled=" << info_.program_files_installation;
  }

  const auto test_ids = root.find("forced_testids");
  if (info_.test_ids.empty() && test_ids != root.end() && test_ids->is_array()) {
    for (const base::JsonValue& element : *test_ids) {
      if (element.is_string())
        ParseTestId(element.get<std::string>(), &info_.test_ids);
    }
  }
}

void BrandPackageInfo::FillDefaults() {
  const std::string download(installer::kDownloadOrigin);
  const std::string legal(installer::kLegalOrigin);
  if (info_.brand_id.empty())
    info_.brand_id = kDefaultBrandId;
  if (info_.brand_name.empty())
    info_.brand_name = info_.brand_id;
  if (info_.scenarios_url.empty())
    info_.scenarios_url = download + "/browser/installer/orvel/scenarios/";
  if (info_.setup_url.empty())
    info_.setup_url = download + "/browser/" + info_.brand_id + "/browser-setup.arc";
  if (info_.license_url.empty())
    info_.license_url = legal + "/browser_agreement/";
  if (info_.conf_policy_url.empty())
    info_.conf_policy_url = legal + "/confidential/";
  if (info_.language.empty())
    info_.language = LanguageCodeFromLanguageId(platform_->UserInterfaceLanguage());
  info_.language_id = LanguageIdFromCode(info_.language);
  if (info_.variations_url.empty())
    info_.variations_url =
        std::string(installer::kBrowserApiOrigin) + "/content/get/experiments/browser.proto";
  if (info_.abt_url.empty())
    info_.abt_url = std::string(installer::kAbtOrigin) + "/ab/get";
  if (info_.webntp_url.empty())
    info_.webntp_url = installer::kWebNtpOrigin;
  LogBrandInfo(info_);
}

void BrandPackageInfo::SaveToRegistry() {
  installer::RegistryValues* registry = platform_->Registry();
  registry->Store("brand", base::ASCIIToUTF16(info_.brand_name));
  registry->Store("BrandFile", brand_package_path_);
  if (has_partner_package_)
    registry->Store("PartnerFile", partner_package_path_);
}

void BrandPackageInfo::SaveLanguageToRegistry() {
  platform_->Registry()->Store("lang", base::ASCIIToUTF16(info_.language));
}

void BrandPackageInfo::RemoveFromRegistry() {
  installer::RegistryValues* registry = platform_->Registry();
  for (const char* name : {"brand", "BrandFile", "PartnerFile"})
    registry->Remove(name);
}

std::string BrandPackageInfo::GetVariationsUrl(std::string_view uid) const {
  return AppendBrandQuery(info_.variations_url, info_, uid);
}

std::string BrandPackageInfo::GetAbtUrl(std::string_view uid) const {
  return AppendBrandQuery(info_.abt_url, info_, uid);
}
