#include "installer/lite_installer/config/distrib_tag.h"

#include <cstring>

namespace install_util {

const uint8_t kDummyCertificatePrefix[kDummyCertificatePrefixSize] = {
    // version [0] { INTEGER 2 }, serialNumber INTEGER 1
    0xA0, 0x03, 0x02, 0x01, 0x02, 0x02, 0x01, 0x01,
    // signature: sha1WithRSAEncryption, NULL
    0x30, 0x0D, 0x06, 0x09, 0x2A, 0x86, 0x48, 0x86, 0xF7, 0x0D, 0x01, 0x01, 0x05, 0x05, 0x00,
    // issuer: CN "Unknown issuer"
    0x30, 0x19, 0x31, 0x17, 0x30, 0x15, 0x06, 0x03, 0x55, 0x04, 0x03, 0x13, 0x0E, 'U', 'n', 'k',
    'n', 'o', 'w', 'n', ' ', 'i', 's', 's', 'u', 'e', 'r',
    // validity: 130101100000Z to 130401100000Z
    0x30, 0x1E, 0x17, 0x0D, '1', '3', '0', '1', '0', '1', '1', '0', '0', '0', '0', '0', 'Z', 0x17,
    0x0D, '1', '3', '0', '4', '0', '1', '1', '0', '0', '0', '0', '0', 'Z',
    // subject: CN "Dummy certificate"
    0x30, 0x1C, 0x31, 0x1A, 0x30, 0x18, 0x06, 0x03, 0x55, 0x04, 0x03, 0x13, 0x11, 'D', 'u', 'm',
    'm', 'y', ' ', 'c', 'e', 'r', 't', 'i', 'f', 'i', 'c', 'a', 't', 'e'};

namespace {

constexpr size_t kCertificateEntryHeaderSize = 8;

uint16_t ReadBE16(std::string_view data, size_t offset) {
  return static_cast<uint16_t>(static_cast<uint8_t>(data[offset]) << 8 |
                               static_cast<uint8_t>(data[offset + 1]));
}

// Appends the tag carried by one dummy certificate, if this is one.
void AppendDummyCertificateTag(std::string_view file, size_t begin, size_t end, std::string* tag) {
  DerCursor probe(file, begin, end);
  if (!probe.Enter() || !probe.Enter() || probe.remaining() < kDummyCertificatePrefixSize ||
      std::memcmp(file.data() + probe.position(), kDummyCertificatePrefix,
                  kDummyCertificatePrefixSize) != 0) {
    return;
  }
  DerCursor walk(file, begin, end);
  if (!walk.Enter() || !walk.Enter())
    return;
  for (int i = 0; i < 7; ++i) {
    if (!walk.Skip())
      return;
  }
  // extensions [3] { SEQUENCE { ext1, ext2, ext3, ext4 { id, value } } }
  if (!walk.Enter() || !walk.Enter())
    return;
  for (int i = 0; i < 3; ++i) {
    if (!walk.Skip())
      return;
  }
  if (!walk.Enter() || !walk.Skip() || !walk.Enter() || walk.remaining() < 2)
    return;
  const size_t length = ReadBE16(file, walk.position());
  if (walk.remaining() < length + 2)
    return;
  tag->append(file.substr(walk.position() + 2, length));
}

}  // namespace

TagSearchResult FindFakeCertificateTag(std::string_view file, std::string* tag) {
  tag->clear();
  CertificateTableLocation table;
  if (!LocateCertificateTable(file, &table) || table.size < kCertificateEntryHeaderSize + 2)
    return TagSearchResult::kNoCertificateTable;
  // The PKCS #7 structure follows the entry's header; its outer length must
  // have a supported form before anything inside is trusted.
  const size_t pkcs7 = table.offset + kCertificateEntryHeaderSize;
  const auto first_length_byte = static_cast<uint8_t>(file[pkcs7 + 1]);
  if (first_length_byte >= 0x80 &&
      ((first_length_byte & 0x7F) < 1 || (first_length_byte & 0x7F) > 4)) {
    return TagSearchResult::kNoCertificateTable;
  }
  DerCursor cursor(file, pkcs7, table.offset + table.size);
  // ContentInfo { contentType, [0] { SignedData { version, digestAlgorithms,
  // encapContentInfo, certificates [0] { ... } } } }
  if (!cursor.Enter() || !cursor.Skip() || !cursor.Enter() || !cursor.Enter() || !cursor.Skip() ||
      !cursor.Skip() || !cursor.Skip() || !cursor.Enter()) {
    return TagSearchResult::kInvalidAsn1;
  }
  std::string found;
  while (cursor.remaining() > 0) {
    uint8_t element_tag;
    size_t header;
    size_t length;
    if (!cursor.ReadHeader(&element_tag, &header, &length))
      return TagSearchResult::kInvalidAsn1;
    const size_t begin = cursor.position();
    AppendDummyCertificateTag(file, begin, begin + header + length, &found);
    cursor.Skip();
  }
  *tag = std::move(found);
  return TagSearchResult::kFound;
}

std::string FindAppendedTag(std::string_view file) {
  CertificateTableLocation table;
  if (file.substr(0, 2) != "MZ" || !LocateCertificateTable(file, &table))
    return std::string();
  const size_t t = table.offset;
  if (file.size() < t + 12 || static_cast<uint8_t>(file[t + 8]) != 0x30 ||
      static_cast<uint8_t>(file[t + 9]) != 0x82) {
    return std::string();
  }
  const size_t pkcs7_length = ReadBE16(file, t + 10);
  const size_t block = t + ((pkcs7_length + 19) & 0x1FFF8);
  if (block > file.size() || file.size() - block < 6 || file.substr(block, 4) != "Vact")
    return std::string();
  const size_t length = ReadBE16(file, block + 4);
  if (file.size() - block - 6 < length)
    return std::string();
  return std::string(file.substr(block + 6, length));
}

}  // namespace install_util
