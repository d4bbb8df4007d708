// What the trusted-module verifier asks of the operating system's trust
// provider, one signature of a file at a time. The Win32 form wraps
// WinVerifyTrust; tests substitute signatures of their choosing.
#ifndef INSTALLER_VELNOR_UTIL_TRUST_PROVIDER_H_
#define INSTALLER_VELNOR_UTIL_TRUST_PROVIDER_H_

#include <cstdint>
#include <vector>

#include "base/strings.h"

namespace install_util {

// The leaf certificate of a verified signature.
struct CertParams {
  std::vector<uint8_t> serial;           // most significant byte first
  bool is_sha256 = false;                // signed with sha256WithRSAEncryption
  std::vector<uint8_t> public_key_hash;  // SHA-256 of the key bits, or empty
};

class TrustProvider {
 public:
  // A status of -1: the provider raised an exception.
  static constexpr long kException = -1;

  virtual ~TrustProvider() = default;
  // Verifies signature |index| of |path| (closing any state left open first);
  // |hash_only| asks for the extended check. 0 means trusted.
  virtual long Verify(const base::String16& path,
                      uint32_t index,
                      bool prevents_net_usage,
                      bool hash_only) = 0;
  // Signatures after the primary one, as the last Verify reported.
  virtual uint32_t SecondarySignatureCount() = 0;
  // The leaf of the last verified signature; false when it cannot be had.
  virtual bool ExtractCertParams(CertParams* params) = 0;
  // Releases the verification state.
  virtual void Close() = 0;
  // Systems before Windows 10 whose trust provider needs the extended check.
  virtual bool IsWin7UpdateCase() = 0;
  // Whether the extended check also verifies the signer.
  virtual bool ShouldVerifySigner() = 0;
  // 0 when the embedded signer verifies; 1 to 4 otherwise.
  virtual int VerifyFileSigner(const base::String16& path) = 0;
};

}  // namespace install_util

#endif  // INSTALLER_VELNOR_UTIL_TRUST_PROVIDER_H_
