#include "crash/string_file.h"

#include <algorithm>
#include <cstring>

namespace crashpad {

namespace {

// A memory file never grows beyond this, so that a hostile offset cannot make
// it allocate without bound.
constexpr uint64_t kMaxSize = uint64_t{1} << 32;

}  // namespace

int64_t StringFile::Read(void* data, size_t size) {
  if (position_ >= contents_.size())
    return 0;
  const size_t count = std::min<uint64_t>(size, contents_.size() - position_);
  std::memcpy(data, contents_.data() + position_, count);
  position_ += count;
  return static_cast<int64_t>(count);
}

bool StringFile::Write(const void* data, size_t size) {
  if (size > kMaxSize || position_ > kMaxSize - size)
    return false;
  const uint64_t end = position_ + size;
  if (end > contents_.size())
    contents_.resize(end);
  if (size > 0)
    std::memcpy(contents_.data() + position_, data, size);
  position_ = end;
  return true;
}

bool StringFile::SeekTo(uint64_t offset) {
  if (offset > kMaxSize)
    return false;
  position_ = offset;
  return true;
}

}  // namespace crashpad
