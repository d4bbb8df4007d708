// Extracts files from a cabinet archive held in memory, through the system's
// cabinet library, without touching the disk.
#ifndef INSTALLER_LITE_INSTALLER_CONFIG_CABINET_WIN_H_
#define INSTALLER_LITE_INSTALLER_CONFIG_CABINET_WIN_H_

#include <string>
#include <string_view>

#include "installer/lite_installer/config/brand_platform.h"

// Loads "cabinet.dll" from the system directory once per process.
bool LoadCabinetLibrary();

// Empties |files|, then fills it with |wanted| (every file when empty). The
// files completed before a failure are kept; the result is the library's.
bool ExtractFilesFromCabinet(std::string_view cabinet,
                             const std::string& wanted,
                             CabinetFiles* files);

#endif  // INSTALLER_LITE_INSTALLER_CONFIG_CABINET_WIN_H_
