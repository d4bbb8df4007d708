// Standard base64 (RFC 4648 alphabet, "=" padding).
#ifndef BASE_BASE64_H_
#define BASE_BASE64_H_

#include <string>
#include <string_view>

namespace base {

std::string Base64Encode(std::string_view bytes);

// Strict decoding: the standard alphabet only, length a multiple of four,
// "=" only as the last one or two characters. False on anything else.
bool Base64Decode(std::string_view text, std::string* bytes);

}  // namespace base

#endif  // BASE_BASE64_H_
