// Hexadecimal text of bytes.
#ifndef BASE_HEX_H_
#define BASE_HEX_H_

#include <cstddef>
#include <cstdint>
#include <string>

namespace base {

enum class HexCase { kLower, kUpper };

// Two digits per byte, most significant digit first.
std::string HexEncode(const void* bytes, size_t length, HexCase letters = HexCase::kLower);

}  // namespace base

#endif  // BASE_HEX_H_
