#include "installer/lite_installer/brand_package_info.h"

#include "logging/log_message.h"

namespace {

constexpr char kDefaultBrandId[] = "velnor";
constexpr char kFallbackLanguage[] = "en";
constexpr uint16_t kFallbackLanguageId = 0x0409;

void LogBrandInfo(const BrandInfo& info) {
  LOG(INFO) << "Brand id: " << info.brand_id;
  LOG(INFO) << "Brand name: " << info.brand_name;
  LOG(INFO) << "Default language: " << info.language;
  LOG(INFO) << "Send browser's statistics: " << (info.send_statistics < kTriStateFalse);
}

}  // namespace

BrandPackageInfo::BrandPackageInfo(base::String16 temp_dir) : temp_dir_(std::move(temp_dir)) {}

// Brand packages are not carried yet: the record keeps its defaults.
void BrandPackageInfo::GetInfo(const std::string&) {
  info_ = BrandInfo();
}

void BrandPackageInfo::FillDefaults() {
  if (info_.brand_id.empty())
    info_.brand_id = kDefaultBrandId;
  if (info_.brand_name.empty())
    info_.brand_name = info_.brand_id;
  if (info_.language.empty())
    info_.language = kFallbackLanguage;
  info_.language_id = kFallbackLanguageId;
  LogBrandInfo(info_);
}

