// Finds the distribution tag in the bytes of a signed executable: in an
// extension of a dummy certificate inside the signature's certificate set, or
// in a "Vact" block right after the certificate table entry.
#ifndef INSTALLER_LITE_INSTALLER_DISTRIB_TAG_H_
#define INSTALLER_LITE_INSTALLER_DISTRIB_TAG_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace install_util {

// The to-be-signed part of the dummy certificate begins with these bytes:
// version 3, serial 1, sha1WithRSA, issuer CN "Unknown issuer", validity
// 2013-01-01 to 2013-04-01, subject CN "Dummy certificate".
inline constexpr size_t kDummyCertificatePrefixSize = 112;
extern const uint8_t kDummyCertificatePrefix[kDummyCertificatePrefixSize];

// Where the security directory of a PE image points.
struct CertificateTableLocation {
  size_t directory_entry_offset = 0;  // of the directory's (offset, size) pair
  size_t offset = 0;                  // of the certificate table in the file
  size_t size = 0;
};

// False unless |file| is a PE32 or PE32+ image with a certificate table that
// lies inside the file.
bool LocateCertificateTable(std::string_view file, CertificateTableLocation* location);

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

// A cursor over DER elements, shared with the tools that write tags.
class DerCursor {
 public:
  DerCursor(std::string_view data, size_t begin, size_t end)
      : data_(data), pos_(begin), end_(end) {}

  // Reads the header at the position: tag, and a short or long (1 to 4 byte)
  // length. False when the header or the element does not fit.
  bool ReadHeader(uint8_t* tag, size_t* header_size, size_t* content_size) const;
  // Moves into the element's contents.
  bool Enter();
  // Moves past the element.
  bool Skip();

  size_t position() const { return pos_; }
  size_t end() const { return end_; }
  size_t remaining() const { return end_ - pos_; }

 private:
  std::string_view data_;
  size_t pos_;
  size_t end_;
};

}  // namespace install_util

#endif  // INSTALLER_LITE_INSTALLER_DISTRIB_TAG_H_
