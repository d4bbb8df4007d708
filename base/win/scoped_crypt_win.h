// Owners of CryptoAPI providers, hashes and keys, certificate stores and
// cryptographic messages. Each Free reports whether the release worked, so a
// caller that logs failed releases can use Close().
#ifndef BASE_WIN_SCOPED_CRYPT_WIN_H_
#define BASE_WIN_SCOPED_CRYPT_WIN_H_

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <wincrypt.h>

#include "base/scoped_generic.h"

namespace base::win {

struct CryptProviderTraits {
  static HCRYPTPROV InvalidValue() { return 0; }
  static bool Free(HCRYPTPROV provider) { return ::CryptReleaseContext(provider, 0) != FALSE; }
};
using ScopedCryptProvider = ScopedGeneric<CryptProviderTraits>;

struct CryptHashTraits {
  static HCRYPTHASH InvalidValue() { return 0; }
  static bool Free(HCRYPTHASH hash) { return ::CryptDestroyHash(hash) != FALSE; }
};
using ScopedCryptHash = ScopedGeneric<CryptHashTraits>;

struct CryptKeyTraits {
  static HCRYPTKEY InvalidValue() { return 0; }
  static bool Free(HCRYPTKEY key) { return ::CryptDestroyKey(key) != FALSE; }
};
using ScopedCryptKey = ScopedGeneric<CryptKeyTraits>;

struct CertStoreTraits {
  static HCERTSTORE InvalidValue() { return nullptr; }
  static bool Free(HCERTSTORE store) { return ::CertCloseStore(store, 0) != FALSE; }
};
using ScopedCertStore = ScopedGeneric<CertStoreTraits>;

struct CryptMsgTraits {
  static HCRYPTMSG InvalidValue() { return nullptr; }
  static bool Free(HCRYPTMSG message) { return ::CryptMsgClose(message) != FALSE; }
};
using ScopedCryptMsg = ScopedGeneric<CryptMsgTraits>;

}  // namespace base::win

#endif  // BASE_WIN_SCOPED_CRYPT_WIN_H_
