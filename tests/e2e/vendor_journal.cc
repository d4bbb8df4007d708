#include "tests/e2e/vendor_journal.h"

#include <windows.h>

#include <cstdlib>

#include "base/win/scoped_handle_win.h"
#include "installer/util/downloader_win.h"
#include "tests/win/test_support_win.h"

namespace test {
namespace {

std::string VendorUrl() {
  const char* url = std::getenv("LITE_VENDOR_URL");
  return url ? url : "http://127.0.0.1:18473";
}

bool Get(const std::string& url, std::string* answer) {
  base::win::ScopedHandle stop(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  installer::Downloader downloader;
  return downloader.DownloadToString(url, stop.Get(), answer);
}

std::string PercentEncode(const std::string& text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if (isalnum(c) || c == '-' || c == '_' || c == '.') {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 15]);
    }
  }
  return out;
}

}  // namespace

VendorServices::VendorServices() {
  const char* state = std::getenv("LITE_VENDOR_STATE");
  state_ = FromUnixPath(state ? state : ".");
  std::string answer;
  Get(VendorUrl() + "/_control/reset", &answer);
  journal_offset_ = ReadWholeFile(state_ + L"\\journal.jsonl").size();
}

bool VendorServices::AddFault(const std::string& fault) {
  std::string answer;
  return Get(VendorUrl() + "/_control/fault?fault=" + PercentEncode(fault), &answer) &&
         answer == "ok";
}

std::wstring VendorServices::DataPath(const std::string& path) const {
  std::wstring result = state_ + L"\\data";
  for (char c : path)
    result.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(c));
  return result;
}

bool VendorServices::Serve(const std::wstring& source, const std::string& path) {
  const std::wstring target = DataPath(path);
  // Make the folders on the way.
  for (size_t slash = target.find(L'\\', state_.size()); slash != std::wstring::npos;
       slash = target.find(L'\\', slash + 1)) {
    ::CreateDirectoryW(target.substr(0, slash).c_str(), nullptr);
  }
  return ::CopyFileW(source.c_str(), target.c_str(), FALSE);
}

std::vector<nlohmann::json> VendorServices::Records() const {
  const std::string journal = ReadWholeFile(state_ + L"\\journal.jsonl");
  std::vector<nlohmann::json> records;
  size_t start = journal_offset_;
  while (start < journal.size()) {
    size_t end = journal.find('\n', start);
    if (end == std::string::npos)
      break;  // a record still being written
    nlohmann::json record =
        nlohmann::json::parse(journal.substr(start, end - start), nullptr, false);
    if (!record.is_discarded())
      records.push_back(std::move(record));
    start = end + 1;
  }
  return records;
}

bool VendorServices::WaitFor(const std::function<bool(const nlohmann::json&)>& match,
                             int timeout_ms) const {
  for (int waited = 0;; waited += 50) {
    for (const nlohmann::json& record : Records()) {
      if (match(record))
        return true;
    }
    if (waited >= timeout_ms)
      return false;
    ::Sleep(50);
  }
}

std::wstring SignedSetup(const char* variant) {
  const char* dir = std::getenv("LITE_SIGNED_SETUPS");
  return FromUnixPath(std::string(dir ? dir : ".") + "/" + variant + "/browser-setup.exe");
}

bool ServeFakeSetup(const std::wstring& temp_dir, const char* variant) {
  ::SetEnvironmentVariableW(L"LITE_FAKE_SETUP_RECORD", (temp_dir + L"setup-record.txt").c_str());
  ::SetEnvironmentVariableW(L"LITE_FAKE_SETUP_COPY_SELF", (temp_dir + L"setup-image.bin").c_str());
  ::DeleteFileW((temp_dir + L"setup-record.txt").c_str());
  VendorServices vendor;
  return vendor.Serve(SignedSetup(variant), "/browser/velnor/x64/browser-setup.arc") &&
         vendor.Serve(SignedSetup(variant), "/browser/velnor/browser-setup.arc");
}

std::string FakeSetupCommandLine(const std::wstring& temp_dir) {
  return ReadWholeFile(temp_dir + L"setup-record.txt");
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
  const std::string text = ReadWholeFile(temp_dir + L"setup-record.txt.registry");
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

std::string FinishedResult(const VendorServices& vendor) {
  std::string result;
  vendor.WaitFor([&](const nlohmann::json& record) {
    if (record.value("service", "") != "storage")
      return false;
    result = record["query"].value("result", "");
    return true;
  });
  return result;
}

nlohmann::json StatVars(const nlohmann::json& record) {
  if (record.value("service", "") != "statistics" || !record.contains("decoded") ||
      !record["decoded"].contains("vars"))
    return nlohmann::json::object();
  return record["decoded"]["vars"];
}

std::vector<std::string> StatEventNames(const std::vector<nlohmann::json>& records) {
  std::vector<std::string> names;
  for (const nlohmann::json& record : records) {
    const nlohmann::json vars = StatVars(record);
    if (!vars.contains("action"))
      continue;
    std::string name = vars.value("action", "");
    if (vars.contains("stage"))
      name += "/" + vars.value("stage", "");
    else if (vars.contains("status"))
      name += "/" + vars.value("status", "");
    names.push_back(name);
  }
  return names;
}

}  // namespace test
