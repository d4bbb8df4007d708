#include "installer/util/file_version.h"

namespace installer {

std::string FormatFileVersion(uint64_t version) {
  return std::to_string(version >> 48) + "." + std::to_string((version >> 32) & 0xFFFF) + "." +
         std::to_string((version >> 16) & 0xFFFF) + "." + std::to_string(version & 0xFFFF);
}

}  // namespace installer
