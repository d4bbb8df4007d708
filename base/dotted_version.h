// Dotted version numbers ("6.1.7601.24544"), compared part by part as
// unsigned integers; missing trailing parts count as 0.
#ifndef BASE_DOTTED_VERSION_H_
#define BASE_DOTTED_VERSION_H_

#include <cstdint>
#include <string_view>
#include <vector>

namespace base {

// Empty when |text| is not one or more decimal parts joined by dots.
std::vector<uint32_t> ParseDottedVersion(std::string_view text);

// <0, 0 or >0.
int CompareVersions(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b);

}  // namespace base

#endif  // BASE_DOTTED_VERSION_H_
