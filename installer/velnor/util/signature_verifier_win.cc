#include "installer/velnor/util/signature_verifier_win.h"

#include <algorithm>
#include <vector>

#include "logging/log_message.h"

SignatureVerifier::~SignatureVerifier() {
  Cleanup();
}

bool SignatureVerifier::Verify(const uint8_t* signature,
                               size_t signature_length,
                               const uint8_t* public_key,
                               size_t public_key_length,
                               const uint8_t* data,
                               size_t data_length) {
  return Initialize() && HashData(data, data_length) &&
         ImportPublicKey(public_key, public_key_length) &&
         VerifySignature(signature, signature_length);
}

void SignatureVerifier::Cleanup() {
  if (!key_.Close())
    PLOG(ERROR) << "Failed to destroy crypt key, error: "
                << static_cast<uint32_t>(::GetLastError());
  if (!hash_.Close())
    PLOG(ERROR) << "Failed to destroy, error: " << static_cast<uint32_t>(::GetLastError());
  if (!provider_.Close()) {
    PLOG(ERROR) << "Failed to release crypt context, error: "
                << static_cast<uint32_t>(::GetLastError());
  }
}

bool SignatureVerifier::Initialize() {
  Cleanup();
  if (!::CryptAcquireContextW(provider_.Receive(), nullptr, nullptr, PROV_RSA_FULL,
                              CRYPT_VERIFYCONTEXT)) {
    PLOG(ERROR) << "Failed to initialize crypt context, error: "
                << static_cast<uint32_t>(::GetLastError());
    provider_.Take();  // Nothing was acquired.
    return false;
  }
  return true;
}

bool SignatureVerifier::HashData(const uint8_t* data, size_t length) {
  if (!::CryptCreateHash(provider_.Get(), CALG_SHA1, 0, 0, hash_.Receive())) {
    PLOG(ERROR) << "Failed to initialize hash object, error: "
                << static_cast<uint32_t>(::GetLastError());
    hash_.Take();  // Nothing was created.
    return false;
  }
  if (!::CryptHashData(hash_.Get(), data, static_cast<DWORD>(length), 0)) {
    PLOG(ERROR) << "Failed to hash data, error: " << static_cast<uint32_t>(::GetLastError());
    return false;
  }
  return true;
}

bool SignatureVerifier::ImportPublicKey(const uint8_t* key, size_t length) {
  CERT_PUBLIC_KEY_INFO* info = nullptr;
  DWORD info_size = 0;
  if (!::CryptDecodeObjectEx(X509_ASN_ENCODING | PKCS_7_ASN_ENCODING, X509_PUBLIC_KEY_INFO, key,
                             static_cast<DWORD>(length), CRYPT_DECODE_ALLOC_FLAG, nullptr, &info,
                             &info_size)) {
    PLOG(ERROR) << "Failed to convert decode public key, error: "
                << static_cast<uint32_t>(::GetLastError());
    return false;
  }
  const bool imported =
      ::CryptImportPublicKeyInfo(provider_.Get(), X509_ASN_ENCODING | PKCS_7_ASN_ENCODING, info,
                                 key_.Receive()) != FALSE;
  const DWORD error = ::GetLastError();
  ::LocalFree(info);
  if (!imported) {
    ::SetLastError(error);
    PLOG(ERROR) << "Failed to import crypt key, error: " << static_cast<uint32_t>(error);
    key_.Take();  // Nothing was imported.
    return false;
  }
  return true;
}

bool SignatureVerifier::VerifySignature(const uint8_t* signature, size_t length) {
  if (!signature || length == 0)
    return false;
  // CryptoAPI takes RSA signatures least significant byte first.
  std::vector<uint8_t> reversed(signature, signature + length);
  std::reverse(reversed.begin(), reversed.end());
  if (!::CryptVerifySignatureW(hash_.Get(), reversed.data(), static_cast<DWORD>(reversed.size()),
                               key_.Get(), nullptr, 0)) {
    PLOG(ERROR) << "Failed to verify signature, error: " << static_cast<uint32_t>(::GetLastError());
    return false;
  }
  return true;
}
