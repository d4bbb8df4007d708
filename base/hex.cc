#include "base/hex.h"

namespace base {

std::string HexEncode(const void* bytes, size_t length, HexCase letters) {
  const char* digits = letters == HexCase::kUpper ? "0123456789ABCDEF" : "0123456789abcdef";
  const auto* in = static_cast<const uint8_t*>(bytes);
  std::string hex;
  hex.reserve(length * 2);
  for (size_t i = 0; i < length; ++i) {
    hex.push_back(digits[in[i] >> 4]);
    hex.push_back(digits[in[i] & 0xF]);
  }
  return hex;
}

}  // namespace base
