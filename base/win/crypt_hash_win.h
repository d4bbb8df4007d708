// Digests of bytes through CryptoAPI.
#ifndef BASE_WIN_CRYPT_HASH_WIN_H_
#define BASE_WIN_CRYPT_HASH_WIN_H_

#include <cstddef>
#include <cstdint>
#include <vector>

namespace base::win {

enum class HashAlgorithm { kMd5, kSha1, kSha256 };

// The digest of |length| bytes at |data|; empty when CryptoAPI fails.
std::vector<uint8_t> HashBytes(HashAlgorithm algorithm, const void* data, size_t length);

}  // namespace base::win

#endif  // BASE_WIN_CRYPT_HASH_WIN_H_
