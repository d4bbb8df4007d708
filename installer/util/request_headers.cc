#include "installer/util/request_headers.h"

#include <charconv>

namespace installer {

base::String16 BuildRequestHeaders(uint32_t major,
                                   uint32_t minor,
                                   uint32_t update_build,
                                   bool library_adds_accept) {
  std::string text = library_adds_accept ? "" : "Accept: */*\r\n";
  text += "Sec-CH-UA-Platform: \"Windows\"\r\nSec-CH-UA-Platform-Version: \"" +
          std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(update_build) +
          "\"";
  return base::ASCIIToUTF16(text);
}

bool ParseContentRange(std::string_view text, uint64_t* first, uint64_t* total) {
  constexpr std::string_view kPrefix = "bytes ";
  if (text.substr(0, kPrefix.size()) != kPrefix)
    return false;
  text.remove_prefix(kPrefix.size());
  const size_t dash = text.find('-');
  const size_t slash = text.find('/');
  if (dash == std::string_view::npos || slash == std::string_view::npos || slash < dash)
    return false;
  uint64_t last = 0;
  auto parse = [](std::string_view piece, uint64_t* value) {
    const auto result = std::from_chars(piece.data(), piece.data() + piece.size(), *value);
    return !piece.empty() && result.ec == std::errc() && result.ptr == piece.data() + piece.size();
  };
  return parse(text.substr(0, dash), first) &&
         parse(text.substr(dash + 1, slash - dash - 1), &last) &&
         parse(text.substr(slash + 1), total) && *first <= last && last < *total;
}

}  // namespace installer
