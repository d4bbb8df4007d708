// The brand configuration of the run: the brand and partner packages carried
// by the installer, written to the temporary directory for setup, and the
// brand record filled from their configuration files.
#ifndef INSTALLER_LITE_INSTALLER_CONFIG_BRAND_PACKAGE_INFO_H_
#define INSTALLER_LITE_INSTALLER_CONFIG_BRAND_PACKAGE_INFO_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "base/strings.h"
#include "installer/lite_installer/config/brand_info.h"
#include "installer/lite_installer/config/brand_platform.h"
#include "resources/resource_ids.h"

class BrandPackageInfo {
 public:
  // Resource ids of the packages.
  static constexpr uint16_t kPartnerPackageId = IDR_PARTNER_PACKAGE;
  static constexpr uint16_t kDefaultBrandPackageId = IDR_DEFAULT_BRAND_PACKAGE;

  // |temp_dir| ends with a backslash (or is empty); |platform| is not owned.
  BrandPackageInfo(base::String16 temp_dir, BrandPlatform* platform);
  BrandPackageInfo(const BrandPackageInfo&) = delete;
  BrandPackageInfo& operator=(const BrandPackageInfo&) = delete;
  virtual ~BrandPackageInfo();

  virtual bool IsProgramFilesInstallation() const { return info_.program_files_installation; }
  // Returns the record to its empty state.
  virtual void Clear();

  // Selects the packages for |brand_name| ("auto", a name, or empty for the
  // default), writes them to the temporary directory and applies them.
  void GetInfo(const std::string& brand_name);
  void GetInfoFromResources(const std::string& brand_name);

  // Merges one configuration file: strings and tri-states only where still
  // unset, feature flags always. Logs and ignores a malformed file.
  void ApplyBrandInfo(std::string_view config_text);
  // Fills what no configuration set, derives the language id, logs the record.
  void FillDefaults();

  void SaveToRegistry();
  void SaveLanguageToRegistry();
  void RemoveFromRegistry();

  std::string GetVariationsUrl(std::string_view uid) const;
  std::string GetAbtUrl(std::string_view uid) const;

  BrandInfo& info() { return info_; }
  const BrandInfo& info() const { return info_; }
  const base::String16& temp_dir() const { return temp_dir_; }
  const base::String16& brand_package_path() const { return brand_package_path_; }
  const base::String16& partner_package_path() const { return partner_package_path_; }
  bool has_brand_package() const { return has_brand_package_; }
  bool has_partner_package() const { return has_partner_package_; }

 private:
  // Writes the package for the setup; false (and no file) when it cannot be written.
  bool WritePackageFile(const base::String16& path, std::string_view package);
  void ExtractFromPackage(std::string_view package, const std::string& file_name);

  const base::String16 temp_dir_;
  BrandPlatform* const platform_;
  BrandInfo info_;
  base::String16 brand_package_path_;
  base::String16 partner_package_path_;
  bool has_brand_package_ = false;
  bool has_partner_package_ = false;
};

#endif  // INSTALLER_LITE_INSTALLER_CONFIG_BRAND_PACKAGE_INFO_H_
