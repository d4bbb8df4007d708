#include "installer/lite_installer/config/distrib_info_params.h"

#include "base/json_reader.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/util/registry_values.h"
#include "logging/log_message.h"

namespace {

// Writes the parameters as one compact JSON object for setup; false when no
// file of this run is at |path|.
bool CreateJsonFromDistribParams(const DistribParamMap& params,
                                 const base::String16& path,
                                 DistribPlatform* platform) {
  base::JsonValue object = base::JsonValue::object();
  for (const auto& [key, value] : params)
    object[key] = value;
  std::string text;
  if (!base::WriteJsonCompact(object, &text)) {
    PLOG(ERROR) << "Can't create json dump";
    return false;
  }
  if (!platform->WriteNewFile(path, text)) {
    PLOG(ERROR) << "Write json to file error";
    return false;
  }
  return true;
}

}  // namespace

void ParseDistribParams(std::string_view text, DistribParamMap* params) {
  size_t begin = 0;
  for (;;) {
    const size_t amp = text.find('&', begin);
    const std::string_view item = text.substr(begin, amp - begin);
    const size_t equals = item.find('=');
    if (equals == std::string_view::npos)
      (*params)[std::string(item)] = std::string();
    else
      (*params)[std::string(item.substr(0, equals))] = std::string(item.substr(equals + 1));
    if (amp == std::string_view::npos)
      break;
    begin = amp + 1;
  }
}

DistribInfoParams::DistribInfoParams(DistribPlatform* platform) : platform_(platform) {}

DistribInfoParams::~DistribInfoParams() = default;

bool DistribInfoParams::Load(const base::CommandLine& command_line) {
  std::string text = command_line.GetSwitchValueASCII("distr-info-params");
  if (text.empty()) {
    const base::String16 executable = platform_->ExecutablePath();
    if (!executable.empty()) {
      text = platform_->ExtractTagFromFakeCertificate(executable);
      if (text.empty())
        text = platform_->ReadAppendedTag(executable);
    }
  }
  if (text.empty())
    return false;
  SaveToRegistry(text);
  ParseDistribParams(text, &params_);
  if (!params_.empty()) {
    json_path_ = platform_->TempDirectory() + u"distrib_info";
    json_written_ = CreateJsonFromDistribParams(params_, json_path_, platform_);
    // An earlier run's file must not reach the setup in place of this one.
    if (!json_written_)
      platform_->RemoveFile(json_path_);
  }
  return !json_path_.empty();
}

bool DistribInfoParams::GetValue(const std::string& key, std::string* value) const {
  const auto it = params_.find(key);
  if (it == params_.end())
    return false;
  *value = it->second;
  return true;
}

void DistribInfoParams::SaveToRegistry(const std::string& text) {
  platform_->Registry()->Store("DistribInfoParams", base::ASCIIToUTF16(text));
}

bool DistribInfoParams::GetTriState(const std::string& key, bool* value) const {
  std::string text;
  if (!GetValue(key, &text) || (text != "1" && text != "2"))
    return false;
  *value = text == "1";
  return true;
}

namespace lite_installer {

TestIdList CombineBrandAndDistribTestIds(const BrandPackageInfo& brand,
                                         const DistribInfoParams& distrib) {
  TestIdList result = brand.info().test_ids;
  std::string text;
  if (!distrib.GetValue("testids", &text))
    return result;
  TestIdList extra;
  size_t begin = 0;
  for (;;) {
    const size_t comma = text.find(',', begin);
    const std::string_view part =
        base::TrimWhitespace(std::string_view(text).substr(begin, comma - begin));
    if (!part.empty())
      ParseTestId(part, &extra);
    if (comma == std::string::npos)
      break;
    begin = comma + 1;
  }
  for (auto& [id, value] : extra) {
    auto existing = result.begin();
    while (existing != result.end() && existing->first != id)
      ++existing;
    if (existing != result.end()) {
      LOG(INFO) << "Duplicate testid found: " << id;
      existing->second = value;
    } else {
      result.emplace_back(id, value);
    }
  }
  return result;
}

}  // namespace lite_installer
