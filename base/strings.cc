#include "base/strings.h"

namespace base {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsTrimmed(char32_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

void AppendUTF16(char32_t cp, String16* out) {
  if (cp < 0x10000) {
    out->push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out->push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out->push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

// Decodes one UTF-8 sequence at |*pos|, advancing past it; an ill-formed one
// becomes U+FFFD and consumes one byte.
char32_t DecodeUTF8(std::string_view s, size_t* pos) {
  const auto lead = static_cast<unsigned char>(s[*pos]);
  if (lead < 0x80) {
    ++*pos;
    return lead;
  }
  const size_t length = UTF8SequenceLength(s, *pos);
  if (length == 0) {
    ++*pos;
    return kReplacement;
  }
  char32_t cp = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i)
    cp = (cp << 6) | (static_cast<unsigned char>(s[*pos + i]) & 0x3F);
  *pos += length;
  return cp;
}

template <typename Char>
std::basic_string_view<Char> TrimImpl(std::basic_string_view<Char> text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsTrimmed(text[begin]))
    ++begin;
  while (end > begin && IsTrimmed(text[end - 1]))
    --end;
  return text.substr(begin, end - begin);
}

template <typename Char>
Char LowerASCII(Char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<Char>(c + ('a' - 'A')) : c;
}

template <typename Char>
bool EqualsNoCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerASCII(a[i]) != LowerASCII(b[i]))
      return false;
  }
  return true;
}

}  // namespace

void AppendUTF8(char32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

size_t UTF8SequenceLength(std::string_view text, size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  size_t extra;
  char32_t cp;
  char32_t min;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (pos + extra >= text.size())
    return 0;
  for (size_t i = 1; i <= extra; ++i) {
    const auto c = static_cast<unsigned char>(text[pos + i]);
    if ((c & 0xC0) != 0x80)
      return 0;
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    return 0;
  return extra + 1;
}

bool IsStringUTF8(std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    if (static_cast<unsigned char>(text[pos]) < 0x80) {
      ++pos;
      continue;
    }
    const size_t length = UTF8SequenceLength(text, pos);
    if (length == 0)
      return false;
    pos += length;
  }
  return true;
}

String16 UTF8ToUTF16(std::string_view utf8) {
  String16 out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size())
    AppendUTF16(DecodeUTF8(utf8, &pos), &out);
  return out;
}

std::string UTF16ToUTF8(StringPiece16 utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;
    }
    AppendUTF8(c, &out);
  }
  return out;
}

String16 ASCIIToUTF16(std::string_view ascii) {
  String16 out(ascii.size(), u'\0');
  for (size_t i = 0; i < ascii.size(); ++i)
    out[i] = static_cast<unsigned char>(ascii[i]);
  return out;
}

std::string LowByteNarrow(StringPiece16 text) {
  std::string out(text.size(), '\0');
  for (size_t i = 0; i < text.size(); ++i)
    out[i] = static_cast<char>(text[i] & 0xFF);
  return out;
}

std::string ToLowerASCII(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    c = LowerASCII(c);
  return out;
}

std::string ToUpperASCII(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - ('a' - 'A'));
  }
  return out;
}

String16 ToLowerASCII(StringPiece16 text) {
  String16 out(text);
  for (char16_t& c : out)
    c = LowerASCII(c);
  return out;
}

bool EqualsCaseInsensitiveASCII(std::string_view a, std::string_view b) {
  return EqualsNoCase(a, b);
}

bool EqualsCaseInsensitiveASCII(StringPiece16 a, StringPiece16 b) {
  return EqualsNoCase(a, b);
}

StringPiece16 TrimWhitespace(StringPiece16 text) {
  return TrimImpl(text);
}

std::string_view TrimWhitespace(std::string_view text) {
  return TrimImpl(text);
}

bool ParseWholeDecimal(std::string_view text, uint64_t* value) {
  if (text.empty())
    return false;
  uint64_t result = 0;
  for (char c : text) {
    if (c < '0' || c > '9')
      return false;
    const uint64_t digit = static_cast<uint64_t>(c - '0');
    if (result > (UINT64_MAX - digit) / 10)
      return false;
    result = result * 10 + digit;
  }
  *value = result;
  return true;
}

}  // namespace base
