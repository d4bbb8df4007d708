#include "tests/support/fake_setup_records_win.h"

#include <windows.h>

#include <cstdlib>

#include "tests/support/fake_setup_protocol.h"
#include "tests/support/files_win.h"
#include "tests/support/vendor_services_win.h"

namespace test {

std::wstring SignedSetup(const char* variant) {
  const char* dir = std::getenv("LITE_SIGNED_SETUPS");
  return FromUnixPath(std::string(dir ? dir : ".") + "/" + variant + "/browser-setup.exe");
}

bool ServeFakeSetup(const std::wstring& temp_dir, const char* variant) {
  const std::wstring record = temp_dir + fake_setup::kRunRecordNameW;
  ::SetEnvironmentVariableW(fake_setup::kRecordEnvW, record.c_str());
  ::SetEnvironmentVariableW(fake_setup::kCopySelfEnvW,
                            (temp_dir + fake_setup::kRunImageNameW).c_str());
  ::DeleteFileW(record.c_str());
  VendorServices vendor;
  return vendor.Serve(SignedSetup(variant), "/browser/velnor/x64/browser-setup.arc") &&
         vendor.Serve(SignedSetup(variant), "/browser/velnor/browser-setup.arc");
}

std::string FakeSetupCommandLine(const std::wstring& temp_dir) {
  return ReadWholeFile(temp_dir + fake_setup::kRunRecordNameW);
}

std::map<std::string, std::string> FakeSetupRegistry(const std::wstring& temp_dir) {
  // "name=value" lines; a value may span lines, so a line continues the
  // previous value unless it starts with a name the installer writes.
  static const char* const kNames[] = {"AbtConfigResourceFile",
                                       "ClidsFile",
                                       "InstallerData",
                                       "VelnorWebsiteIconFile",
                                       "VariationsResourceFile",
                                       "install_stat",
                                       "brand",
                                       "BrandFile",
                                       "PartnerFile",
                                       "lang",
                                       "DistribInfoParams"};
  const std::string text =
      ReadWholeFile(temp_dir + fake_setup::kRunRecordNameW + fake_setup::kRegistryRecordSuffixW);
  std::map<std::string, std::string> values;
  std::string name;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos)
      end = text.size();
    const std::string line = text.substr(start, end - start);
    const size_t equals = line.find('=');
    bool known = false;
    for (const char* known_name : kNames)
      known = known || (equals != std::string::npos && line.compare(0, equals, known_name) == 0);
    if (known) {
      name = line.substr(0, equals);
      values[name] = line.substr(equals + 1);
    } else if (!name.empty()) {
      values[name] += "\n" + line;
    }
    start = end + 1;
  }
  return values;
}

}  // namespace test
