#include "tests/support/vendor_services_win.h"

#include <windows.h>

#include <cstdlib>

#include "base/win/scoped_handle_win.h"
#include "installer/util/downloader_win.h"
#include "tests/support/files_win.h"
#include "tests/support/process_win.h"

namespace test {
namespace {

bool Get(const std::string& url, std::string* answer) {
  base::win::ScopedHandle stop(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  installer::Downloader downloader;
  // The services' journal and control answers; a test run's journal stays
  // far below this.
  constexpr uint32_t kMaxAnswerSize = 64 * 1024 * 1024;
  return downloader.DownloadToString(url, stop.Get(), kMaxAnswerSize, answer);
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

std::string VendorUrl() {
  const char* url = std::getenv("LITE_VENDOR_URL");
  return url ? url : "http://127.0.0.1:18473";
}

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
  return WaitUntil(
      [&] {
        for (const nlohmann::json& record : Records()) {
          if (match(record))
            return true;
        }
        return false;
      },
      static_cast<DWORD>(timeout_ms));
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
