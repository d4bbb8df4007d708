// Finds the distribution tag in the bytes of a signed executable: in an
// extension of a dummy certificate inside the signature's certificate set, or
// in a "Vact" block right after the certificate table entry.
#ifndef INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_TAG_H_
#define INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_TAG_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/der_cursor.h"
#include "base/pe_certificate_table.h"

namespace install_util {

// The to-be-signed part of the dummy certificate begins with these bytes:
// version 3, serial 1, sha1WithRSA, issuer CN "Unknown issuer", validity
// 2013-01-01 to 2013-04-01, subject CN "Dummy certificate".
inline constexpr size_t kDummyCertificatePrefixSize = 112;
extern const uint8_t kDummyCertificatePrefix[kDummyCertificatePrefixSize];

enum class TagSearchResult {
  kFound,  // |tag| holds the concatenated tags (empty when no dummy certificate)
  kNoCertificateTable,
  kInvalidAsn1,
};

// The tags of every dummy certificate in the signature, concatenated.
TagSearchResult FindFakeCertificateTag(std::string_view file, std::string* tag);

// The tag of the "Vact" block after the first certificate table entry; empty
// when there is none.
std::string FindAppendedTag(std::string_view file);

}  // namespace install_util

#endif  // INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_TAG_H_
