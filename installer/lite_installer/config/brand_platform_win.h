// The brand configuration's platform operations over Win32: the program's own
// "BIN" resources, files, the cabinet library, the user's region and
// language, and the installer's registry key.
#ifndef INSTALLER_LITE_INSTALLER_CONFIG_BRAND_PLATFORM_WIN_H_
#define INSTALLER_LITE_INSTALLER_CONFIG_BRAND_PLATFORM_WIN_H_

#include "installer/lite_installer/config/brand_platform.h"
#include "installer/util/registry_win.h"

class BrandPlatformWin : public BrandPlatform {
 public:
  std::string LoadPackage(uint16_t id) override;
  std::string LoadPackage(const std::string& name) override;
  bool WriteFile(const base::String16& path, std::string_view bytes) override;
  void RemoveFile(const base::String16& path) override;
  bool ExtractCabinet(std::string_view cabinet,
                      const std::string& wanted,
                      CabinetFiles* files) override;
  std::string UserRegion() override;
  uint16_t UserInterfaceLanguage() override;
  installer::RegistryValues* Registry() override { return &registry_; }

 private:
  installer::InstallerRegistryKey registry_;
};

#endif  // INSTALLER_LITE_INSTALLER_CONFIG_BRAND_PLATFORM_WIN_H_
