#include "base/win/crypt_hash_win.h"

#include "base/win/scoped_crypt_win.h"

namespace base::win {

std::vector<uint8_t> HashBytes(HashAlgorithm algorithm, const void* data, size_t length) {
  std::vector<uint8_t> digest;
  // SHA-256 needs the AES provider; the older digests come with every one.
  const bool sha256 = algorithm == HashAlgorithm::kSha256;
  const ALG_ID id = sha256                              ? CALG_SHA_256
                    : algorithm == HashAlgorithm::kSha1 ? CALG_SHA1
                                                        : CALG_MD5;
  ScopedCryptProvider provider;
  if (length > 0xFFFFFFFFu || !::CryptAcquireContextW(provider.Receive(), nullptr, nullptr,
                                                      sha256 ? PROV_RSA_AES : PROV_RSA_FULL,
                                                      CRYPT_VERIFYCONTEXT | CRYPT_SILENT)) {
    return digest;
  }
  ScopedCryptHash hash;
  if (!::CryptCreateHash(provider.Get(), id, 0, 0, hash.Receive()))
    return digest;
  BYTE value[32];
  DWORD size = sizeof(value);
  if (::CryptHashData(hash.Get(), static_cast<const BYTE*>(data), static_cast<DWORD>(length), 0) &&
      ::CryptGetHashParam(hash.Get(), HP_HASHVAL, value, &size, 0)) {
    digest.assign(value, value + size);
  }
  return digest;
}

}  // namespace base::win
