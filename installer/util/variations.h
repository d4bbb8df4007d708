// The variations and A/B seeds: fetched in the background and stored with
// their signature and two answer headers in a small JSON file for setup.
#ifndef INSTALLER_UTIL_VARIATIONS_H_
#define INSTALLER_UTIL_VARIATIONS_H_

#include <string>

namespace installer {

struct VariationsSeed {
  std::string body;
  std::string signature;      // "X-Seed-Signature"
  std::string last_modified;  // "Last-Modified"
  std::string country;        // "X-Country"
};

// The file's text: the four members, indented.
std::string VariationsFileText(const VariationsSeed& seed);

}  // namespace installer

#endif  // INSTALLER_UTIL_VARIATIONS_H_
