// The brand configuration of the run: which brand and partner build this is,
// its language, links and defaults. Built once by the entry point.
#ifndef INSTALLER_LITE_INSTALLER_BRAND_PACKAGE_INFO_H_
#define INSTALLER_LITE_INSTALLER_BRAND_PACKAGE_INFO_H_

#include <cstdint>
#include <string>

#include "base/strings.h"

// Tri-state defaults: 0 unset, 1 true, 2 false.
enum TriState : int { kTriStateUnset = 0, kTriStateTrue = 1, kTriStateFalse = 2 };

struct BrandInfo {
  std::string brand_id;
  std::string brand_name;
  std::string language;
  uint16_t language_id = 0;
  int send_statistics = kTriStateUnset;
};

class BrandPackageInfo {
 public:
  explicit BrandPackageInfo(base::String16 temp_dir);

  // Resolves and applies the brand and partner packages for |brand_name|.
  void GetInfo(const std::string& brand_name);
  // Fills what the packages left empty and logs the record.
  void FillDefaults();

  BrandInfo& info() { return info_; }
  const BrandInfo& info() const { return info_; }

 private:
  const base::String16 temp_dir_;
  BrandInfo info_;
};

#endif  // INSTALLER_LITE_INSTALLER_BRAND_PACKAGE_INFO_H_
