// Extracts files from a cabinet archive held in memory, through the system's
// cabinet library, without touching the disk.
#ifndef INSTALLER_LITE_INSTALLER_CONFIG_CABINET_WIN_H_
#define INSTALLER_LITE_INSTALLER_CONFIG_CABINET_WIN_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "installer/lite_installer/config/brand_platform.h"

// Brand and partner packages hold one or two small configuration files:
// an extraction that would exceed these limits fails.
constexpr size_t kMaxCabinetFileSize = 4 * 1024 * 1024;
constexpr size_t kMaxCabinetTotalSize = 8 * 1024 * 1024;
constexpr size_t kMaxCabinetFiles = 64;

// Loads "cabinet.dll" from the system directory once per process.
bool LoadCabinetLibrary();

// Empties |files|, then fills it with |wanted| (every file when empty). The
// files completed before a failure are kept, a file cut short is not; the
// result is the library's, false too past one of the limits above.
bool ExtractFilesFromCabinet(std::string_view cabinet,
                             const std::string& wanted,
                             CabinetFiles* files);

#endif  // INSTALLER_LITE_INSTALLER_CONFIG_CABINET_WIN_H_
