// lite-brand-package: builds a brand or partner package, a single-file MSZIP
// cabinet, after checking that the installer reads the configuration.
//
//   lite-brand-package brand|partner CONFIG OUT.cab
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/json_reader.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "logging/log_message.h"
#include "tools/common/file_io.h"

namespace {

// Prints what the installer's reader says about the file.
class StderrSink : public logging::LogSink {
 public:
  void Emit(const logging::LogRecord& record) override {
    std::fprintf(stderr, "  %s\n", record.message.c_str());
  }
};

void Report(const char* key, const std::string& value) {
  if (!value.empty())
    std::printf("  %-28s %s\n", key, value.c_str());
}

void ReportTriState(const char* key, int value) {
  if (value != kTriStateUnset)
    std::printf("  %-28s %s\n", key, value == kTriStateTrue ? "true" : "false");
}

int Usage() {
  std::fprintf(stderr, "usage: lite-brand-package brand|partner CONFIG OUT.cab\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4)
    return Usage();
  const std::string kind = argv[1];
  if (kind != "brand" && kind != "partner")
    return Usage();
  const std::string file_name = kind + "_config";

  std::string text;
  if (!tools::ReadFile(argv[2], &text)) {
    std::fprintf(stderr, "lite-brand-package: cannot read %s\n", argv[2]);
    return 1;
  }

  base::JsonValue root;
  std::string error;
  if (!base::ReadJson(text, &root, &error) || !root.is_object()) {
    std::fprintf(stderr, "lite-brand-package: the installer cannot read %s: %s\n", argv[2],
                 error.empty() ? "the top value is not an object" : error.c_str());
    return 1;
  }

  // Apply it as the installer would, to list what the installer takes.
  logging::InstallLogSink(std::make_unique<StderrSink>());
  BrandPackageInfo brand(u"", nullptr);
  brand.ApplyBrandInfo(text);
  logging::InstallLogSink(nullptr);
  const BrandInfo& info = brand.info();
  std::printf("%s: the installer takes:\n", file_name.c_str());
  Report("brand_id", info.brand_id);
  Report("brand_name", info.brand_name);
  Report("partner_id", info.partner_id);
  Report("languages.interface", info.language);
  Report("install.setup_url", info.setup_url);
  Report("install.setup_url_version", info.setup_url_version);
  Report("install.setup_url64", info.setup_url64);
  Report("install.setup_url_version64", info.setup_url_version64);
  Report("install.setup_url32", info.setup_url32);
  Report("install.setup_url_win7", info.setup_url_win7);
  Report("license_url", info.license_url);
  Report("install.conf_policy_url", info.conf_policy_url);
  Report("install.scenarios_url", info.scenarios_url);
  Report("install.slide_url", info.slide_url);
  Report("install.slide_url_if_tagged", info.slide_url_if_tagged);
  Report("urls.variations", info.variations_url);
  Report("urls.abt", info.abt_url);
  Report("urls.webntp", info.webntp_url);
  Report("install.preloaded_wallpapers_url", info.preloaded_wallpapers_url);
  Report("install.vnpin_trial_state", info.vnpin_trial_state);
  ReportTriState("install.alternate_installer_title", info.alternate_installer_title);
  ReportTriState("install.send_statistics", info.send_statistics);
  ReportTriState("install.make_browser_default", info.make_browser_default);
  if (info.pin_enabled)
    std::printf("  %-28s present\n", "install.pin");
  for (const auto& [id, value] : info.test_ids)
    std::printf("  %-28s %s%s%s\n", "forced_testids", id.c_str(), value.empty() ? "" : "/",
                value.c_str());

  // gcab names the file inside the cabinet after the input file.
  char dir_template[] = "/tmp/lite-brand-package.XXXXXX";
  const char* dir = mkdtemp(dir_template);
  if (!dir) {
    std::fprintf(stderr, "lite-brand-package: cannot make a temporary directory\n");
    return 1;
  }
  const std::string staged = std::string(dir) + "/" + file_name;
  tools::WriteFile(staged, text);
  const std::string command =
      "gcab --create --zip --nopath '" + std::string(argv[3]) + "' '" + staged + "'";
  const int status = std::system(command.c_str());
  std::remove(staged.c_str());
  rmdir(dir);
  if (status != 0) {
    std::fprintf(stderr, "lite-brand-package: gcab failed\n");
    return 1;
  }
  std::printf("wrote %s\n", argv[3]);
  return 0;
}
