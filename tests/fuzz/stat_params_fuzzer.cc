// Arbitrary "install_stat" text (the registry value an earlier run left):
// never a crash; what is read serialises and reads back the same, and the
// statistics URL built from it stays within the URL alphabet.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "installer/stats/install_stat_sender.h"
#include "installer/stats/stat_escape.h"

namespace {

class FuzzPlatform : public installer::StatSenderPlatform {
 public:
  base::String16 ReadBrowserValue(const std::string&) override { return {}; }
  void StoreBrowserValue(const std::string&, const base::String16&) override {}
  void RemoveBrowserValue(const std::string&) override {}
  bool EventExists(const base::String16&) override { return false; }
  std::string UserId() override { return {}; }
  std::string OwnFileVersion() override { return "0.0.0.0"; }
  bool EscapeSegment(const base::String16& text, base::String16* escaped) override {
    *escaped = installer::EscapeUrlSegment(text);
    return true;
  }
  std::string StatsOrigin() override { return "https://s"; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  base::String16 text(size / 2, u'\0');
  for (size_t i = 0; i + 1 < size; i += 2)
    text[i / 2] = static_cast<char16_t>(data[i] | data[i + 1] << 8);
  installer::StatParams params;
  installer::ParseStatParams(text, &params);
  installer::StatParams again;
  installer::ParseStatParams(installer::SerializeStatParams(params), &again);
  if (again != params)
    std::abort();
  FuzzPlatform platform;
  installer::InstallStatSender sender(&platform, text);
  const std::string url = sender.GetQueryUrl({{"action", u"download"}});
  if (url.find("/vars=") == std::string::npos)
    std::abort();
  return 0;
}
