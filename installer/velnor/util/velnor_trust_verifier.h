// Accepts a downloaded setup file only when one of its Authenticode
// signatures comes from a certificate on the file's own trusted list (whose
// signature was checked before). SHA-256 signatures take precedence.
#ifndef INSTALLER_VELNOR_UTIL_VELNOR_TRUST_VERIFIER_H_
#define INSTALLER_VELNOR_UTIL_VELNOR_TRUST_VERIFIER_H_

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/strings.h"
#include "installer/velnor/util/trust_provider.h"

namespace install_util {

struct TrustedCertificate {
  std::vector<uint8_t> id;       // the serial number, most significant byte first
  std::vector<uint8_t> pub_key;  // 32 bytes, or empty
};

// Ordered by id bytes; the first entry of an id wins.
using TrustedCertificateList = std::map<std::vector<uint8_t>, TrustedCertificate>;

class VelnorTrustVerifierBase {
 public:
  // Fills |list| from the trusted JSON text; false on a format error (the
  // list is then empty).
  static bool GetTrustedFiles(std::string_view text, TrustedCertificateList* list);

  const TrustedCertificateList& trusted() const { return trusted_; }

 protected:
  TrustedCertificateList trusted_;
};

class VelnorTrustVerifier : public VelnorTrustVerifierBase {
 public:
  // |provider| is not owned.
  VelnorTrustVerifier(std::string_view trusted_json, TrustProvider* provider);

  bool VerifyModule(const base::String16& path, bool is_prevents_net_usage);

  // The module's TRUSTED.JSON text when its SIGNATURE.DAT verifies with one
  // of the built-in keys; empty otherwise. Windows only.
  static std::string GetTrustJsonFromModule(const base::String16& path);

 private:
  bool VerifyModuleImpl(const base::String16& path, bool is_prevents_net_usage);

  TrustProvider* const provider_;
};

// The first entry whose id ends with |serial| (an id shorter than the serial
// never matches); null when none does.
const TrustedCertificate* FindTrustedCertificate(const TrustedCertificateList& list,
                                                 const std::vector<uint8_t>& serial);

// Upper-case hexadecimal, two digits a byte.
std::string HexEncode(const std::vector<uint8_t>& bytes);

// The extended check applies before Windows 10, with the feature on, and only
// past the configured Windows and crypt32 versions (an unset or malformed
// parameter does not restrict; an unreadable version never passes a set one).
bool IsWin7UpdateCaseFor(const std::vector<uint32_t>& windows_version,
                         const std::vector<uint32_t>& crypt32_version,
                         bool feature_enabled,
                         std::string_view win7_version_parameter,
                         std::string_view crypt_version_parameter);

}  // namespace install_util

#endif  // INSTALLER_VELNOR_UTIL_VELNOR_TRUST_VERIFIER_H_
