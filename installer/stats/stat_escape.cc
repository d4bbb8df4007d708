#include "installer/stats/stat_escape.h"

namespace installer {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendEscaped(unsigned char byte, std::string* out) {
  out->push_back('%');
  out->push_back(kHexDigits[byte >> 4]);
  out->push_back(kHexDigits[byte & 15]);
}

}  // namespace

bool IsInStatEscapeSet(unsigned char byte) {
  if (byte < 0x20 || byte >= 0x80)
    return true;
  switch (byte) {
    case 0x20:
    case 0x2A:
    case 0x2B:
    case 0x2C:
    case 0x2D:
    case 0x2F:
    case 0x60:
      return true;
    default:
      break;
  }
  return (byte >= 0x22 && byte <= 0x26) || (byte >= 0x3A && byte <= 0x40) ||
         (byte >= 0x5B && byte <= 0x5E) || (byte >= 0x7B && byte <= 0x7D);
}

std::string EscapeForStat(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsInStatEscapeSet(byte))
      AppendEscaped(byte, &out);
    else
      out.push_back(c);
  }
  return out;
}

std::string DoubleEscapeForStat(std::string_view utf8) {
  return EscapeForStat(EscapeForStat(utf8));
}

std::u16string EscapeUrlSegment(std::u16string_view text) {
  std::u16string out;
  for (const char16_t c : text) {
    bool escape = c < 0x20 || (c >= 0x7F && c <= 0xFF);
    switch (c) {
      case u' ':
      case u'<':
      case u'>':
      case u'"':
      case u'{':
      case u'}':
      case u'|':
      case u'\\':
      case u'^':
      case u'[':
      case u']':
      case u'`':
      case u'&':
      case u'/':
      case u'?':
      case u'#':
        escape = true;
        break;
      default:
        break;
    }
    if (!escape) {
      out.push_back(c);
      continue;
    }
    out.push_back(u'%');
    out.push_back(static_cast<char16_t>(kHexDigits[(c >> 4) & 15]));
    out.push_back(static_cast<char16_t>(kHexDigits[c & 15]));
  }
  return out;
}

}  // namespace installer
