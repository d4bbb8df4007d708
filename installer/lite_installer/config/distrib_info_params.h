// The distribution parameters: key=value items joined by "&", from the
// "distr-info-params" switch or from the tag the executable's signature
// carries; kept in the registry and handed to setup as a JSON file.
#ifndef INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_INFO_PARAMS_H_
#define INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_INFO_PARAMS_H_

#include <map>
#include <string>
#include <string_view>

#include "base/command_line.h"
#include "base/strings.h"
#include "installer/lite_installer/config/brand_info.h"
#include "installer/lite_installer/config/distrib_platform.h"

class BrandPackageInfo;

using DistribParamMap = std::map<std::string, std::string>;

// Cuts |text| at every "&"; each item's key is up to its first "=". A later
// item replaces an earlier one; nothing is percent-decoded.
void ParseDistribParams(std::string_view text, DistribParamMap* params);

class DistribInfoParams {
 public:
  // |platform| is not owned; may be null for parameters set by hand.
  explicit DistribInfoParams(DistribPlatform* platform = nullptr);
  DistribInfoParams(const DistribInfoParams&) = delete;
  DistribInfoParams& operator=(const DistribInfoParams&) = delete;
  virtual ~DistribInfoParams();

  // Reads the parameters (switch first, then the tags), keeps the text in the
  // registry and writes the JSON file. True when the file path is set.
  bool Load(const base::CommandLine& command_line);

  virtual bool GetValue(const std::string& key, std::string* value) const;
  virtual bool IsFullInstaller() const { return false; }
  virtual void SaveToRegistry(const std::string& text);
  // True only when the value is exactly "1" (|*value| true) or "2" (false).
  bool GetTriState(const std::string& key, bool* value) const;

  const DistribParamMap& params() const { return params_; }
  DistribParamMap& mutable_params() { return params_; }
  const base::String16& json_path() const { return json_path_; }
  // The path when this run wrote the file there; empty otherwise.
  base::String16 json_file() const { return json_written_ ? json_path_ : base::String16(); }

 private:
  DistribPlatform* const platform_;
  DistribParamMap params_;
  base::String16 json_path_;
  bool json_written_ = false;
};

namespace lite_installer {

// The brand's test ids, then those of the "testids" parameter: a repeated id
// takes the new value in place, a new one is appended.
TestIdList CombineBrandAndDistribTestIds(const BrandPackageInfo& brand,
                                         const DistribInfoParams& distrib);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_INFO_PARAMS_H_
