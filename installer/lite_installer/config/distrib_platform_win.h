// The distribution parameters' platform operations over Win32.
#ifndef INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_PLATFORM_WIN_H_
#define INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_PLATFORM_WIN_H_

#include "installer/lite_installer/config/distrib_platform.h"
#include "installer/util/registry_win.h"

namespace install_util {

// The tag of the dummy certificates in |path|'s signature; empty (with an
// ERROR line) when the file cannot be read or its signature is malformed.
std::string ExtractTagFromFakeCertificate(const base::String16& path);

// The tag of the "Vact" block after |path|'s certificate table; empty when
// there is none. Logs nothing.
std::string ReadAppendedTag(const base::String16& path);

}  // namespace install_util

class DistribPlatformWin : public DistribPlatform {
 public:
  base::String16 ExecutablePath() override;
  std::string ExtractTagFromFakeCertificate(const base::String16& path) override {
    return install_util::ExtractTagFromFakeCertificate(path);
  }
  std::string ReadAppendedTag(const base::String16& path) override {
    return install_util::ReadAppendedTag(path);
  }
  installer::RegistryValues* Registry() override { return &registry_; }
  base::String16 TempDirectory() override;
  bool WriteNewFile(const base::String16& path, std::string_view text) override;
  void RemoveFile(const base::String16& path) override;

 private:
  installer::InstallerRegistryKey registry_;
};

#endif  // INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_PLATFORM_WIN_H_
