// What every request of the installer says about itself, and the parsing of
// range answers.
#ifndef INSTALLER_UTIL_REQUEST_HEADERS_H_
#define INSTALLER_UTIL_REQUEST_HEADERS_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "base/strings.h"

namespace installer {

// "Accept: */*" (unless the network library adds that line itself), the
// platform and the platform version (major.minor.UBR), joined by CR LF, no
// line end after the last.
base::String16 BuildRequestHeaders(uint32_t major,
                                   uint32_t minor,
                                   uint32_t update_build,
                                   bool library_adds_accept);

// "bytes FIRST-LAST/TOTAL" -> FIRST and TOTAL.
bool ParseContentRange(std::string_view text, uint64_t* first, uint64_t* total);

}  // namespace installer

#endif  // INSTALLER_UTIL_REQUEST_HEADERS_H_
