// The annotations a crash report carries, and the identifiers it is filed
// under.
#ifndef CRASH_CRASH_ANNOTATIONS_H_
#define CRASH_CRASH_ANNOTATIONS_H_

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace crashpad {

// Crash keys and their values, ordered by the key's bytes.
using Annotations = std::map<std::string, std::string>;

// A GUID as its fields; Bytes() gives its in-memory layout.
struct Guid {
  uint32_t data1 = 0;
  uint16_t data2 = 0;
  uint16_t data3 = 0;
  std::array<uint8_t, 8> data4{};

  // 16 bytes: the three integer fields little-endian, then |data4|.
  std::array<uint8_t, 16> Bytes() const;
  bool operator==(const Guid&) const = default;
};

// 36 characters, upper-case hexadecimal in 8-4-4-4-12 groups, no braces.
std::string FormatGuid(const Guid& guid);

// The user identifier as the GUID parser takes it: a non-empty identifier
// stored without braces gets them; an empty one stays empty.
std::string BracedUserId(std::string_view user_id);

// Stores |value| under |key|, replacing an earlier value; an empty key or an
// empty value is ignored.
void SetAnnotation(Annotations* annotations, std::string_view key, std::string_view value);

// What every report carries from the start: "uid", "report_id", "ver",
// "plat", "prod" and "gzip_enabled".
Annotations InitialAnnotations(const Guid& client_id, const Guid& report_id, bool gzip_enabled);

}  // namespace crashpad

#endif  // CRASH_CRASH_ANNOTATIONS_H_
