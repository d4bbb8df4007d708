#include "crash/crash_annotations.h"

#include <cstdio>

#include "installer/service_origins.h"

namespace crashpad {

std::array<uint8_t, 16> Guid::Bytes() const {
  std::array<uint8_t, 16> bytes{};
  for (int i = 0; i < 4; ++i)
    bytes[i] = static_cast<uint8_t>(data1 >> (8 * i));
  for (int i = 0; i < 2; ++i) {
    bytes[4 + i] = static_cast<uint8_t>(data2 >> (8 * i));
    bytes[6 + i] = static_cast<uint8_t>(data3 >> (8 * i));
  }
  for (size_t i = 0; i < data4.size(); ++i)
    bytes[8 + i] = data4[i];
  return bytes;
}

std::string FormatGuid(const Guid& guid) {
  char text[37];
  std::snprintf(text, sizeof(text), "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                static_cast<unsigned>(guid.data1), guid.data2, guid.data3, guid.data4[0],
                guid.data4[1], guid.data4[2], guid.data4[3], guid.data4[4], guid.data4[5],
                guid.data4[6], guid.data4[7]);
  return text;
}

std::string BracedUserId(std::string_view user_id) {
  if (user_id.empty() || user_id.front() == '{')
    return std::string(user_id);
  std::string braced = "{";
  braced += user_id;
  braced += '}';
  return braced;
}

void SetAnnotation(Annotations* annotations, std::string_view key, std::string_view value) {
  if (key.empty() || value.empty())
    return;
  (*annotations)[std::string(key)] = std::string(value);
}

Annotations InitialAnnotations(const Guid& client_id, const Guid& report_id, bool gzip_enabled) {
  Annotations annotations;
  annotations["uid"] = FormatGuid(client_id);
  annotations["report_id"] = FormatGuid(report_id);
  annotations["ver"] = installer::kInstallerVersion;
  annotations["plat"] = "Win32";
  annotations["prod"] = "Velnor";
  annotations["gzip_enabled"] = gzip_enabled ? "true" : "false";
  return annotations;
}

}  // namespace crashpad
