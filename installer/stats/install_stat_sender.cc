#include "installer/stats/install_stat_sender.h"

#include <algorithm>

#include "logging/log_message.h"

namespace installer {
namespace {

constexpr char kInstallStatValue[] = "install_stat";
constexpr size_t kEscapeBufferChars = 2084;

struct Destination {
  const char* cid;
  const char* path;
};
constexpr Destination kDestinations[] = {
    {"72992", "extended_stat"},
    {"72696", "vnbrowser_reinstall_dialog"},
};

// The "launched" probe: the browser publishes a global event named after the
// command line it was last started with.
base::String16 LaunchEventName(base::String16 command_line) {
  if (!command_line.empty() && command_line.front() == u'"')
    command_line.erase(0, 1);
  if (!command_line.empty() && command_line.back() == u'"')
    command_line.pop_back();
  for (char16_t& c : command_line) {
    if (c == u'\\')
      c = u'!';
  }
  return u"Global\\" + base::ToLowerASCII(command_line);
}

base::String16 ReplacePackingCharacters(base::String16 text) {
  for (char16_t& c : text) {
    if (c == u',' || c == u'-' || c == u'=')
      c = u'_';
  }
  return text;
}

}  // namespace

base::String16 SerializeStatParams(const StatParams& params) {
  base::String16 text;
  for (const auto& [key, value] : params) {
    text += base::UTF8ToUTF16(key);
    text += u'\n';
    text += value;
    text += u'\n';
  }
  return text;
}

void ParseStatParams(const base::String16& text, StatParams* params) {
  std::string key;
  bool want_key = true;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(u'\n', start);
    if (end == base::String16::npos)
      end = text.size();
    const base::String16 piece = text.substr(start, end - start);
    start = end + 1;
    if (want_key) {
      if (piece.empty())
        continue;
      key = base::UTF16ToUTF8(piece);
      want_key = false;
    } else {
      (*params)[key] = piece;
      want_key = true;
    }
  }
}

InstallStatSender::InstallStatSender(StatSenderPlatform* platform, const base::String16& seed)
    : platform_(platform) {
  if (!seed.empty())
    ParseStatParams(seed, &params_);

  const base::String16 launch_command =
      platform_->ReadBrowserValue("InstallerSuccessLaunchCmdLine");
  const bool launched =
      launch_command.size() >= 3 && platform_->EventExists(LaunchEventName(launch_command));
  params_["launched"] = launched ? u"true" : u"false";

  std::string uid = platform_->UserId();
  if (uid.size() >= 2 && uid.front() == '{' && uid.back() == '}')
    uid = uid.substr(1, uid.size() - 2);
  params_["ui"] = base::UTF8ToUTF16(uid);

  if (params_.find("old_ver") == params_.end()) {
    base::String16 old_version = platform_->ReadBrowserValue("vpv");
    if (old_version.empty())
      old_version = platform_->ReadBrowserValue("pv");
    params_["old_ver"] = old_version;
  }
  params_["lite_ver"] = base::UTF8ToUTF16(platform_->OwnFileVersion());
  params_["installer_type"] = u"lite";
}

InstallStatSender::~InstallStatSender() {
  platform_->RemoveBrowserValue(kInstallStatValue);
}

const char* InstallStatSender::KeyOf(int index) {
  switch (index) {
    case kBrandId:
      return "brand_id";
    case kPartnerId:
      return "partner_id";
    case kBannerId:
      return "banner_id";
    case kVelnorUid:
      return "velnor_uid";
    case kDistrVelnorUid:
      return "distr_velnor_uid";
    case kNewVersion:
      return "new_ver";
    case kOldVersion:
      return "old_ver";
    case kInstallType:
      return "install_type";
    case kBrowserPresent:
      return "browser_present";
    case kTestIds:
      return "testids";
    default:
      return "";
  }
}

void InstallStatSender::SetParam(int index, std::string_view utf8_value) {
  const std::string key = KeyOf(index);
  if (key.empty() || index == kOldVersion)
    return;
  params_[key] = base::UTF8ToUTF16(utf8_value);
}

base::String16 InstallStatSender::GetParam(int index) const {
  const auto it = params_.find(KeyOf(index));
  return it == params_.end() ? base::String16() : it->second;
}

void InstallStatSender::StoreParams() {
  platform_->StoreBrowserValue(kInstallStatValue, SerializeStatParams(params_));
}

base::String16 InstallStatSender::Escape(const base::String16& text) {
  base::String16 escaped;
  if (!platform_->EscapeSegment(text, &escaped) || escaped.size() >= kEscapeBufferChars)
    return {};
  return escaped;
}

std::string InstallStatSender::GetQueryUrl(const StatEvent& event) {
  StatParams merged = params_;
  for (const auto& [key, value] : event)
    merged.emplace(key, value);  // a parameter of the same name wins
  merged["old_style"] = u"0";
  merged.emplace("brand_id", u"unknown");

  LOG(INFO) << "InstallStatSender::Send:";
  for (const auto& [key, value] : merged)
    LOG(INFO) << key << "=" << value;

  base::String16 vars;
  for (const auto& [key, value] : merged) {
    if (!vars.empty())
      vars += u',';
    vars += u'-';
    vars += Escape(ReplacePackingCharacters(base::UTF8ToUTF16(key)));
    vars += u'=';
    vars += Escape(ReplacePackingCharacters(value));
  }

  const int index = destination_ == kStatDestinationReinstallDialog ? 1 : 0;
  std::string url = platform_->StatsOrigin();
  url += "/installstats/send/dtype=stred/pid=457/cid=";
  url += kDestinations[index].cid;
  url += "/path=";
  url += kDestinations[index].path;
  if (!vars.empty()) {
    url += "/vars=";
    url += base::UTF16ToUTF8(vars);
  }
  url += "/*";
  return url;
}

}  // namespace installer
