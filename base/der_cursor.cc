#include "base/der_cursor.h"

namespace install_util {

bool DerCursor::ReadHeader(uint8_t* tag, size_t* header_size, size_t* content_size) const {
  if (pos_ + 2 > end_)
    return false;
  *tag = static_cast<uint8_t>(data_[pos_]);
  const auto first = static_cast<uint8_t>(data_[pos_ + 1]);
  size_t length;
  size_t header;
  if (first < 0x80) {
    length = first;
    header = 2;
  } else {
    const size_t count = first & 0x7F;
    if (count < 1 || count > 4 || pos_ + 2 + count > end_)
      return false;
    length = 0;
    for (size_t i = 0; i < count; ++i)
      length = (length << 8) | static_cast<uint8_t>(data_[pos_ + 2 + i]);
    header = 2 + count;
  }
  if (length > end_ - pos_ - header)
    return false;
  *header_size = header;
  *content_size = length;
  return true;
}

bool DerCursor::Move(bool into) {
  uint8_t tag;
  size_t header;
  size_t length;
  if (!ReadHeader(&tag, &header, &length))
    return false;
  pos_ += header;
  if (into)
    end_ = pos_ + length;
  else
    pos_ += length;
  return true;
}

}  // namespace install_util
