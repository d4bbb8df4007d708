// Text helpers shared by every layer: UTF-8 <-> UTF-16, ASCII case, trimming,
// whole-number parsing. Platform-free: UTF-16 text is std::u16string everywhere
// outside the Win32 adapters.
#ifndef BASE_STRINGS_H_
#define BASE_STRINGS_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace base {

using String16 = std::u16string;
using StringPiece16 = std::u16string_view;

// Invalid sequences become U+FFFD in both directions.
String16 UTF8ToUTF16(std::string_view utf8);
std::string UTF16ToUTF8(StringPiece16 utf16);

// Appends |code_point| (at most U+10FFFF) encoded as UTF-8.
void AppendUTF8(char32_t code_point, std::string* out);
// Length of the well-formed UTF-8 sequence at |pos| (lead byte 0x80 or
// more); 0 when overlong, a surrogate, beyond U+10FFFF or cut short.
size_t UTF8SequenceLength(std::string_view text, size_t pos);
bool IsStringUTF8(std::string_view text);

// Widens each byte to one UTF-16 unit (the inverse of LowByteNarrow).
String16 ASCIIToUTF16(std::string_view ascii);

// Keeps the low byte of each UTF-16 code unit (the "ASCII value" of a switch).
std::string LowByteNarrow(StringPiece16 text);

std::string ToLowerASCII(std::string_view text);
std::string ToUpperASCII(std::string_view text);
String16 ToLowerASCII(StringPiece16 text);
bool EqualsCaseInsensitiveASCII(std::string_view a, std::string_view b);
bool EqualsCaseInsensitiveASCII(StringPiece16 a, StringPiece16 b);

// Trims blanks, tabs, line breaks, vertical tabs and form feeds from both ends.
StringPiece16 TrimWhitespace(StringPiece16 text);
std::string_view TrimWhitespace(std::string_view text);

// Decimal digits only, the whole text, no sign, no overflow; false otherwise.
bool ParseWholeDecimal(std::string_view text, uint64_t* value);

}  // namespace base

#endif  // BASE_STRINGS_H_
