// Arbitrary trusted-list text: never a crash; a list is only kept from a
// well-formed file, and every kept key is empty or 32 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "installer/velnor/util/velnor_trust_verifier.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  install_util::TrustedCertificateList list;
  const bool ok = install_util::VelnorTrustVerifierBase::GetTrustedFiles(text, &list);
  if (!ok && !list.empty())
    std::abort();
  for (const auto& [id, certificate] : list) {
    if (id != certificate.id || (!certificate.pub_key.empty() && certificate.pub_key.size() != 32))
      std::abort();
  }
  return 0;
}
