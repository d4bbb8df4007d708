// What the brand configuration needs from the system: the packages carried as
// resources, files in the temporary directory, cabinet extraction, the user's
// region and interface language, and the installer's registry values.
#ifndef INSTALLER_LITE_INSTALLER_CONFIG_BRAND_PLATFORM_H_
#define INSTALLER_LITE_INSTALLER_CONFIG_BRAND_PLATFORM_H_

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "base/strings.h"

namespace installer {
class RegistryValues;
}

// File name in the archive -> contents.
using CabinetFiles = std::map<std::string, std::string>;

class BrandPlatform {
 public:
  virtual ~BrandPlatform() = default;

  // The bytes of resource type "BIN" with a numeric id or a name; empty when
  // there is no such resource.
  virtual std::string LoadPackage(uint16_t id) = 0;
  virtual std::string LoadPackage(const std::string& name) = 0;
  // Replaces the file whole; false when it could not be written, and then the
  // file is as it was.
  virtual bool WriteFile(const base::String16& path, std::string_view bytes) = 0;
  // Deletes the file if there is one.
  virtual void RemoveFile(const base::String16& path) = 0;
  // Extracts |wanted| (every file when empty) from an in-memory cabinet.
  virtual bool ExtractCabinet(std::string_view cabinet,
                              const std::string& wanted,
                              CabinetFiles* files) = 0;
  // Two-letter ISO code of the user's region; empty when unknown.
  virtual std::string UserRegion() = 0;
  virtual uint16_t UserInterfaceLanguage() = 0;
  virtual installer::RegistryValues* Registry() = 0;
};

#endif  // INSTALLER_LITE_INSTALLER_CONFIG_BRAND_PLATFORM_H_
