#include "crash/report_upload.h"

#include <cstdio>
#include <utility>

#include "installer/service_origins.h"
#include "logging/log_message.h"

namespace crashpad {

namespace {

// The longest query parameter, name and value together.
constexpr size_t kMaxParameterLength = 127;

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.' || c == '~';
}

// "name=value" with the value escaped, cut to the length limit. A cut never
// splits an escape: a partial "%X" would make the address malformed.
std::string QueryParameter(std::string_view name, std::string_view value) {
  std::string parameter(name);
  parameter += '=';
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    const size_t width = IsUnreserved(byte) ? 1 : 3;
    if (parameter.size() + width > kMaxParameterLength)
      break;
    if (width == 1) {
      parameter += c;
    } else {
      char escape[4];
      std::snprintf(escape, sizeof(escape), "%%%02X", byte);
      parameter += escape;
    }
  }
  return parameter.substr(0, kMaxParameterLength);
}

}  // namespace

void PopulateReportForm(const Annotations& annotations,
                        FileReaderInterface* dump,
                        HttpMultipartBuilder* builder) {
  for (const auto& [key, value] : annotations) {
    if (key == kMinidumpFieldName) {
      LOG(WARNING) << "reserved key " << key << ", discarding value " << value;
      continue;
    }
    builder->SetFormData(key, value);
  }
  const auto uid = annotations.find("uid");
  const std::string file_name = (uid == annotations.end() ? std::string() : uid->second) + ".dmp";
  builder->SetFileAttachment(kMinidumpFieldName, file_name, dump, "application/octet-stream");
}

std::string MakeReportUploadUrl(std::string_view base, const Annotations& annotations) {
  static constexpr std::pair<const char*, const char*> kParameters[] = {
      {"prod", "product"}, {"ver", "version"}, {"guid", "guid"}};
  std::string url(base);
  url += "/submit";
  for (const auto& [key, query_name] : kParameters) {
    const auto annotation = annotations.find(key);
    if (annotation == annotations.end())
      continue;
    url += url.find('?') == std::string::npos ? '?' : '&';
    url += QueryParameter(query_name, annotation->second);
  }
  return url;
}

std::string ReportUploadUrl(const Annotations& annotations) {
  return MakeReportUploadUrl(installer::kCrashReportOrigin, annotations);
}

}  // namespace crashpad
