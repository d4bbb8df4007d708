#include "installer/util/file_version.h"

namespace installer {

std::string FormatFileVersion(uint64_t version) {
  return std::to_string(version >> 48) + "." + std::to_string((version >> 32) & 0xFFFF) + "." +
         std::to_string((version >> 16) & 0xFFFF) + "." + std::to_string(version & 0xFFFF);
}

}  // namespace installer

std::string GetFileVersionString(const base::String16& path) {
  uint64_t version = 0;
  return installer::GetFileVersion(path, &version) ? installer::FormatFileVersion(version)
                                                   : "0.0.0.0";
}
