#include "base/pe_certificate_table.h"

#include <cstdint>

namespace install_util {
namespace {

constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
// From the optional header to the data-directory count.
constexpr size_t kDirectoryCountOffsetPe32 = 92;
constexpr size_t kDirectoryCountOffsetPe32Plus = 108;

uint32_t ReadLE32(std::string_view data, size_t offset) {
  return static_cast<uint32_t>(static_cast<uint8_t>(data[offset])) |
         static_cast<uint32_t>(static_cast<uint8_t>(data[offset + 1])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(data[offset + 2])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(data[offset + 3])) << 24;
}

uint16_t ReadLE16(std::string_view data, size_t offset) {
  return static_cast<uint16_t>(static_cast<uint8_t>(data[offset]) |
                               static_cast<uint8_t>(data[offset + 1]) << 8);
}

bool HasPeSignature(std::string_view file, size_t pe) {
  return file.substr(pe, 4) == std::string_view("PE\0\0", 4);
}

}  // namespace

bool LocateCertificateTable(std::string_view file, CertificateTableLocation* location) {
  if (file.size() < 64)
    return false;
  const size_t pe = ReadLE32(file, 60);
  if (pe > file.size() || file.size() - pe < 96 || !HasPeSignature(file, pe))
    return false;
  const uint16_t magic = ReadLE16(file, pe + 24);
  size_t count_offset;
  if (magic == kPe32Magic)
    count_offset = pe + 24 + kDirectoryCountOffsetPe32;
  else if (magic == kPe32PlusMagic)
    count_offset = pe + 24 + kDirectoryCountOffsetPe32Plus;
  else
    return false;
  if (file.size() < count_offset + 44)
    return false;
  const size_t offset = ReadLE32(file, count_offset + 36);
  const size_t size = ReadLE32(file, count_offset + 40);
  if (offset == 0 || offset > file.size() || size > file.size() - offset)
    return false;
  location->directory_entry_offset = count_offset + 36;
  location->offset = offset;
  location->size = size;
  return true;
}

}  // namespace install_util
