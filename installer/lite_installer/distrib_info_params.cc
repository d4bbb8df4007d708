#include "installer/lite_installer/distrib_info_params.h"

// Neither the switch nor the tag is read yet: a run has no parameters.
void DistribInfoParams::Load() {
  params_.clear();
}

bool DistribInfoParams::GetValue(const std::string& key, std::string* value) const {
  const auto it = params_.find(key);
  if (it == params_.end())
    return false;
  *value = it->second;
  return true;
}
