// The distribution parameters: key=value items from the "distr-info-params"
// switch or from the tag carried in the executable's signature.
#ifndef INSTALLER_LITE_INSTALLER_DISTRIB_INFO_PARAMS_H_
#define INSTALLER_LITE_INSTALLER_DISTRIB_INFO_PARAMS_H_

#include <map>
#include <string>

class DistribInfoParams {
 public:
  using ParamMap = std::map<std::string, std::string>;

  void Load();

  bool GetValue(const std::string& key, std::string* value) const;
  const ParamMap& params() const { return params_; }

 private:
  ParamMap params_;
};

#endif  // INSTALLER_LITE_INSTALLER_DISTRIB_INFO_PARAMS_H_
