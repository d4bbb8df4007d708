// Reading a file's product version from its version resource.
#ifndef INSTALLER_UTIL_FILE_VERSION_H_
#define INSTALLER_UTIL_FILE_VERSION_H_

#include <cstdint>
#include <string>

#include "base/strings.h"

namespace installer {

// The product version: the most significant words first.
bool GetFileVersion(const base::String16& path, uint64_t* version);

// "a.b.c.d" from the four 16-bit words of |version|.
std::string FormatFileVersion(uint64_t version);

}  // namespace installer

// "0.0.0.0" when the file has no readable version.
std::string GetFileVersionString(const base::String16& path);

#endif  // INSTALLER_UTIL_FILE_VERSION_H_
