// Checks one RSA signature (PKCS#1 v1.5 over SHA-1, most significant byte
// first) over one block of data with one public key, through CryptoAPI in a
// verify-only context.
#ifndef INSTALLER_VELNOR_UTIL_SIGNATURE_VERIFIER_WIN_H_
#define INSTALLER_VELNOR_UTIL_SIGNATURE_VERIFIER_WIN_H_

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <wincrypt.h>

#include <cstddef>
#include <cstdint>

#include "base/win/scoped_crypt_win.h"

class SignatureVerifier {
 public:
  SignatureVerifier() = default;
  SignatureVerifier(const SignatureVerifier&) = delete;
  SignatureVerifier& operator=(const SignatureVerifier&) = delete;
  ~SignatureVerifier();

  // |public_key| is a DER SubjectPublicKeyInfo.
  bool Verify(const uint8_t* signature,
              size_t signature_length,
              const uint8_t* public_key,
              size_t public_key_length,
              const uint8_t* data,
              size_t data_length);
  void Cleanup();

 private:
  bool Initialize();
  bool HashData(const uint8_t* data, size_t length);
  bool ImportPublicKey(const uint8_t* key, size_t length);
  bool VerifySignature(const uint8_t* signature, size_t length);

  // Destroyed in reverse: the key and the hash before their provider.
  base::win::ScopedCryptProvider provider_;
  base::win::ScopedCryptHash hash_;
  base::win::ScopedCryptKey key_;
};

#endif  // INSTALLER_VELNOR_UTIL_SIGNATURE_VERIFIER_WIN_H_
