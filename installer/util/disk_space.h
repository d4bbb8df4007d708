// Free disk space on the volume the browser installs to.
#ifndef INSTALLER_UTIL_DISK_SPACE_H_
#define INSTALLER_UTIL_DISK_SPACE_H_

#include <cstdint>

namespace installer {

// Program Files' volume for a system-level installation, else the local
// application data volume. True whenever the space cannot be measured, so
// only a measured shortage stops the installation.
bool HasEnoughDiskSpace(bool system_level, uint32_t required_bytes);

}  // namespace installer

#endif  // INSTALLER_UTIL_DISK_SPACE_H_
