#include "tools/tag/tag_writer.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "installer/lite_installer/config/distrib_tag.h"

namespace tag_tool {

namespace {

using install_util::CertificateTableLocation;
using install_util::DerCursor;

constexpr size_t kEntryHeaderSize = 8;

std::string EncodeLength(size_t length) {
  if (length < 0x80)
    return std::string(1, static_cast<char>(length));
  std::string bytes;
  for (size_t rest = length; rest; rest >>= 8)
    bytes.insert(bytes.begin(), static_cast<char>(rest & 0xFF));
  return static_cast<char>(0x80 | bytes.size()) + bytes;
}

std::string Element(uint8_t tag, std::string_view content) {
  return static_cast<char>(tag) + EncodeLength(content.size()) + std::string(content);
}

std::string Bytes(std::initializer_list<uint8_t> bytes) {
  return std::string(bytes.begin(), bytes.end());
}

void WriteLE32(std::string* data, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    (*data)[offset + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t ReadLE32(std::string_view data, size_t offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = (value << 8) | static_cast<uint8_t>(data[offset + static_cast<size_t>(i)]);
  return value;
}

// The whole element at the cursor, header included.
std::string_view ElementAt(std::string_view data, const DerCursor& cursor) {
  uint8_t tag;
  size_t header;
  size_t length;
  if (!cursor.ReadHeader(&tag, &header, &length))
    return std::string_view();
  return data.substr(cursor.position(), header + length);
}

bool IsDummyCertificate(std::string_view certificate) {
  DerCursor cursor(certificate, 0, certificate.size());
  return cursor.Enter() && cursor.Enter() &&
         cursor.remaining() >= install_util::kDummyCertificatePrefixSize &&
         std::memcmp(certificate.data() + cursor.position(), install_util::kDummyCertificatePrefix,
                     install_util::kDummyCertificatePrefixSize) == 0;
}

std::string PadTo8(std::string data) {
  data.append((8 - data.size() % 8) % 8, '\0');
  return data;
}

// Offset of the optional header's checksum field.
size_t ChecksumOffset(std::string_view file) {
  return ReadLE32(file, 60) + 24 + 64;
}

// Puts |table| (entry and anything that follows it) in place of the old
// certificate table and updates the directory and the checksum.
void ReplaceTable(std::string* file, const CertificateTableLocation& old, std::string table) {
  table = PadTo8(std::move(table));
  const std::string after = file->substr(old.offset + old.size);
  file->resize(old.offset);
  *file += table;
  *file += after;
  WriteLE32(file, old.directory_entry_offset + 4, static_cast<uint32_t>(table.size()));
  const size_t checksum = ChecksumOffset(*file);
  if (ReadLE32(*file, checksum) != 0)
    WriteLE32(file, checksum, ComputePeChecksum(*file, checksum));
}

bool Locate(const std::string& file, CertificateTableLocation* table, std::string* error) {
  if (file.compare(0, 2, "MZ") != 0 || !install_util::LocateCertificateTable(file, table) ||
      table->size < kEntryHeaderSize + 4) {
    *error = "the file is not a signed PE image (no certificate table)";
    return false;
  }
  if (table->offset % 8 != 0) {
    *error = "the certificate table is not 8-byte aligned";
    return false;
  }
  return true;
}

}  // namespace

std::string BuildDummyCertificate(std::string_view tag) {
  const std::string prefix(reinterpret_cast<const char*>(install_util::kDummyCertificatePrefix),
                           install_util::kDummyCertificatePrefixSize);
  // A tiny RSA public key: it is never used, only parsed.
  const std::string rsa_algorithm =
      Element(0x30, Element(0x06, Bytes({0x2A, 0x86, 0x48, 0x86, 0xF7, 0x0D, 0x01, 0x01, 0x01})) +
                        Bytes({0x05, 0x00}));
  const std::string public_key =
      Element(0x30, Element(0x02, Bytes({0x00, 0xC3, 0x5A, 0x11, 0x07})) +
                        Element(0x02, Bytes({0x01, 0x00, 0x01})));
  const std::string key_info =
      Element(0x30, rsa_algorithm + Element(0x03, std::string(1, '\0') + public_key));
  auto extension = [](uint8_t last_arc, std::string_view value) {
    // Private arcs under 1.3.6.1.4.1.55555.1.
    const std::string oid =
        Bytes({0x2B, 0x06, 0x01, 0x04, 0x01, 0x83, 0xB2, 0x03, 0x01}) + static_cast<char>(last_arc);
    return Element(0x30, Element(0x06, oid) + Element(0x04, value));
  };
  std::string carried;
  carried.push_back(static_cast<char>((tag.size() >> 8) & 0xFF));
  carried.push_back(static_cast<char>(tag.size() & 0xFF));
  carried.append(tag);
  const std::string extensions = Element(
      0xA3, Element(0x30, extension(1, Bytes({0x05, 0x00})) + extension(2, Bytes({0x05, 0x00})) +
                              extension(3, Bytes({0x05, 0x00})) + extension(4, carried)));
  const std::string tbs = Element(0x30, prefix + key_info + extensions);
  const std::string signature_algorithm =
      Element(0x30, Element(0x06, Bytes({0x2A, 0x86, 0x48, 0x86, 0xF7, 0x0D, 0x01, 0x01, 0x05})) +
                        Bytes({0x05, 0x00}));
  const std::string signature = Element(0x03, std::string(1, '\0') + std::string(16, '\x5A'));
  return Element(0x30, tbs + signature_algorithm + signature);
}

bool SetCertificateTag(std::string* file, std::string_view tag, std::string* error) {
  CertificateTableLocation table;
  if (!Locate(*file, &table, error))
    return false;
  const std::string_view data(*file);
  const size_t pkcs7 = table.offset + kEntryHeaderSize;
  const size_t table_end = table.offset + table.size;

  // ContentInfo { contentType, [0] { SignedData { version, digestAlgorithms,
  // encapContentInfo, [0] certificates, ...rest } } }
  DerCursor content_info(data, pkcs7, table_end);
  const std::string_view old_content_info = ElementAt(data, content_info);
  DerCursor cursor = content_info;
  if (old_content_info.empty() || !cursor.Enter()) {
    *error = "the signature is not a DER structure";
    return false;
  }
  const std::string_view content_type = ElementAt(data, cursor);
  if (content_type.empty() || !cursor.Skip() || !cursor.Enter() || !cursor.Enter()) {
    *error = "the signature holds no signed data";
    return false;
  }
  std::string signed_data_head;
  for (int i = 0; i < 3; ++i) {
    const std::string_view piece = ElementAt(data, cursor);
    if (piece.empty() || !cursor.Skip()) {
      *error = "the signed data is truncated";
      return false;
    }
    signed_data_head += piece;
  }
  const std::string_view certificates = ElementAt(data, cursor);
  if (certificates.empty() || static_cast<uint8_t>(certificates[0]) != 0xA0) {
    *error = "the signed data carries no certificates";
    return false;
  }
  const size_t signed_data_end = cursor.end();
  DerCursor certificate_cursor = cursor;
  certificate_cursor.Enter();
  cursor.Skip();
  const std::string signed_data_rest(
      data.substr(cursor.position(), signed_data_end - cursor.position()));

  std::string kept;
  while (certificate_cursor.remaining() > 0) {
    const std::string_view certificate = ElementAt(data, certificate_cursor);
    if (certificate.empty() || !certificate_cursor.Skip()) {
      *error = "a certificate of the signature is malformed";
      return false;
    }
    if (!IsDummyCertificate(certificate))
      kept += certificate;
  }
  kept += BuildDummyCertificate(tag);

  const std::string signed_data =
      Element(0x30, signed_data_head + Element(0xA0, kept) + signed_data_rest);
  const std::string new_content_info =
      Element(0x30, std::string(content_type) + Element(0xA0, signed_data));
  std::string entry = PadTo8(file->substr(table.offset, kEntryHeaderSize) + new_content_info);
  WriteLE32(&entry, 0, static_cast<uint32_t>(entry.size()));
  ReplaceTable(file, table, std::move(entry));
  return true;
}

bool SetAppendedTag(std::string* file, std::string_view tag, std::string* error) {
  CertificateTableLocation table;
  if (!Locate(*file, &table, error))
    return false;
  const std::string_view data(*file);
  const size_t t = table.offset;
  if (static_cast<uint8_t>(data[t + 8]) != 0x30 || static_cast<uint8_t>(data[t + 9]) != 0x82) {
    *error = "the signature's length form cannot carry an appended tag";
    return false;
  }
  const size_t pkcs7_length = static_cast<size_t>(static_cast<uint8_t>(data[t + 10]) << 8 |
                                                  static_cast<uint8_t>(data[t + 11]));
  const size_t block = (pkcs7_length + 19) & 0x1FFF8;
  if (block > table.size) {
    *error = "the certificate table is shorter than its signature";
    return false;
  }
  std::string entry(data.substr(t, block));
  entry += "Vact";
  entry.push_back(static_cast<char>((tag.size() >> 8) & 0xFF));
  entry.push_back(static_cast<char>(tag.size() & 0xFF));
  entry.append(tag);
  // The block lives inside the entry, after the signature data where the
  // entry's padding would be: verifiers want the entry to span the table.
  entry = PadTo8(std::move(entry));
  WriteLE32(&entry, 0, static_cast<uint32_t>(entry.size()));
  ReplaceTable(file, table, std::move(entry));
  return true;
}

bool IsAcceptableTag(std::string_view tag, std::string* error) {
  if (tag.empty() || tag.size() > 0xFFFF) {
    *error = "the tag must hold 1 to 65535 characters";
    return false;
  }
  for (char c : tag) {
    const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                         (c >= '0' && c <= '9') || std::strchr("-._~%+/:,=&", c) != nullptr;
    if (!allowed || c == '\0') {
      *error = std::string("the tag holds a character a URL or the JSON file could not carry: '") +
               (static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F
                    ? std::string(1, c)
                    : "\\x" + std::to_string(static_cast<unsigned char>(c))) +
               "'";
      return false;
    }
  }
  size_t begin = 0;
  for (;;) {
    const size_t amp = tag.find('&', begin);
    const std::string_view item = tag.substr(begin, amp - begin);
    const size_t equals = item.find('=');
    if (equals == std::string_view::npos || equals == 0) {
      *error = "the tag's item \"" + std::string(item) + "\" is not key=value";
      return false;
    }
    if (amp == std::string_view::npos)
      return true;
    begin = amp + 1;
  }
}

uint32_t ComputePeChecksum(std::string_view file, size_t checksum_offset) {
  uint64_t sum = 0;
  for (size_t i = 0; i < file.size(); i += 2) {
    if (i == checksum_offset || i == checksum_offset + 2)
      continue;
    uint32_t word = static_cast<uint8_t>(file[i]);
    if (i + 1 < file.size())
      word |= static_cast<uint32_t>(static_cast<uint8_t>(file[i + 1])) << 8;
    sum += word;
    sum = (sum & 0xFFFF) + (sum >> 16);
  }
  sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<uint32_t>(sum) + static_cast<uint32_t>(file.size());
}

}  // namespace tag_tool
