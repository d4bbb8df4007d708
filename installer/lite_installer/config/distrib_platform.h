// What the distribution parameters need from the system: the running
// executable and its tags, the registry, the temporary directory and a file
// write.
#ifndef INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_PLATFORM_H_
#define INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_PLATFORM_H_

#include <string>
#include <string_view>

#include "base/strings.h"

namespace installer {
class RegistryValues;
}

class DistribPlatform {
 public:
  virtual ~DistribPlatform() = default;
  // Empty when it cannot be told.
  virtual base::String16 ExecutablePath() = 0;
  // The tag in a dummy certificate of the file's signature (logs failures).
  virtual std::string ExtractTagFromFakeCertificate(const base::String16& path) = 0;
  // The tag in a block after the file's certificate table.
  virtual std::string ReadAppendedTag(const base::String16& path) = 0;
  virtual installer::RegistryValues* Registry() = 0;
  virtual base::String16 TempDirectory() = 0;
  // Replaces |path| with |text| whole; true only when every byte was
  // written. On failure the file is as it was.
  virtual bool WriteNewFile(const base::String16& path, std::string_view text) = 0;
  // Deletes the file if there is one.
  virtual void RemoveFile(const base::String16& path) = 0;
};

#endif  // INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_PLATFORM_H_
