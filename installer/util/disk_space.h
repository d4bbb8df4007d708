// Free disk space on the volume the browser installs to.
#ifndef INSTALLER_UTIL_DISK_SPACE_H_
#define INSTALLER_UTIL_DISK_SPACE_H_

#include <cstdint>

namespace installer {

bool HasEnoughDiskSpace(bool system_level, uint64_t required_bytes);

}  // namespace installer

#endif  // INSTALLER_UTIL_DISK_SPACE_H_
