#include "crash/http_body.h"

#include <algorithm>
#include <cstring>

namespace crashpad {

int64_t StringBodyStream::Read(uint8_t* buffer, size_t max_size) {
  const size_t count = std::min(max_size, bytes_.size() - position_);
  if (count > 0)
    std::memcpy(buffer, bytes_.data() + position_, count);
  position_ += count;
  return static_cast<int64_t>(count);
}

int64_t FileBodyStream::Read(uint8_t* buffer, size_t max_size) {
  const int64_t count = reader_->Read(buffer, max_size);
  // A reader that claims more than it was asked for is broken, not a body.
  if (count < 0 || static_cast<uint64_t>(count) > max_size)
    return -1;
  return count;
}

int64_t CompositeBodyStream::Read(uint8_t* buffer, size_t max_size) {
  if (max_size == 0)
    return 0;
  while (current_ < parts_.size()) {
    const int64_t count = parts_[current_]->Read(buffer, max_size);
    if (count != 0)
      return count < 0 ? -1 : count;
    ++current_;
  }
  return 0;
}

}  // namespace crashpad
