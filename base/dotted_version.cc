#include "base/dotted_version.h"

#include <algorithm>

#include "base/strings.h"

namespace base {

std::vector<uint32_t> ParseDottedVersion(std::string_view text) {
  std::vector<uint32_t> parts;
  size_t begin = 0;
  for (;;) {
    const size_t dot = text.find('.', begin);
    uint64_t value = 0;
    if (!ParseWholeDecimal(text.substr(begin, dot - begin), &value) || value > UINT32_MAX)
      return {};
    parts.push_back(static_cast<uint32_t>(value));
    if (dot == std::string_view::npos)
      return parts;
    begin = dot + 1;
  }
}

int CompareVersions(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
  for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    const uint32_t x = i < a.size() ? a[i] : 0;
    const uint32_t y = i < b.size() ? b[i] : 0;
    if (x != y)
      return x < y ? -1 : 1;
  }
  return 0;
}

}  // namespace base
