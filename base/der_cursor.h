// A cursor over DER-encoded ASN.1 elements: reads headers, enters and skips
// elements, never past the end it was given.
#ifndef BASE_DER_CURSOR_H_
#define BASE_DER_CURSOR_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace install_util {

class DerCursor {
 public:
  DerCursor(std::string_view data, size_t begin, size_t end)
      : data_(data), pos_(begin), end_(end) {}

  // Reads the header at the position: tag, and a short or long (1 to 4 byte)
  // length. False when the header or the element does not fit.
  bool ReadHeader(uint8_t* tag, size_t* header_size, size_t* content_size) const;
  // Moves into the element's contents.
  bool Enter() { return Move(true); }
  // Moves past the element.
  bool Skip() { return Move(false); }

  size_t position() const { return pos_; }
  size_t end() const { return end_; }
  size_t remaining() const { return end_ - pos_; }

 private:
  bool Move(bool into);

  std::string_view data_;
  size_t pos_;
  size_t end_;
};

}  // namespace install_util

#endif  // BASE_DER_CURSOR_H_
