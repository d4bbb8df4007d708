#include "base/json_reader.h"

#include <charconv>
#include <cstdint>

#include "base/strings.h"

namespace base {

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  bool Parse(JsonValue* value, std::string* error_message) {
    bool ok = SkipSpace() && ParseValue(value, 0);
    if (ok && SkipSpace() && pos_ != text_.size())
      ok = Fail("unexpected data after the root value");
    if (!ok && error_message)
      *error_message = error_;
    return ok;
  }

 private:
  bool Fail(const char* what) {
    if (!error_.empty())
      return false;
    int line = 1;
    int column = 1;
    for (size_t i = 0; i < pos_ && i < text_.size(); ++i) {
      if (text_[i] == '\n') {
        ++line;
        column = 1;
      } else {
        ++column;
      }
    }
    error_ = "Line: " + std::to_string(line) + ", column: " + std::to_string(column) + ", " + what;
    return false;
  }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return text_[pos_]; }

  // White space and comments.
  bool SkipSpace() {
    while (!AtEnd()) {
      const char c = Peek();
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (!AtEnd() && Peek() != '\n' && Peek() != '\r')
          ++pos_;
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '*') {
        const size_t end = text_.find("*/", pos_ + 2);
        if (end == std::string_view::npos)
          return Fail("unterminated comment");
        pos_ = end + 2;
      } else if (c == '/') {
        return Fail("invalid comment");
      } else {
        break;
      }
    }
    return true;
  }

  bool ParseValue(JsonValue* value, int depth) {
    if (AtEnd())
      return Fail("unexpected end of data");
    switch (Peek()) {
      case '{':
        return ParseObject(value, depth + 1);
      case '[':
        return ParseArray(value, depth + 1);
      case '"': {
        std::string text;
        if (!ParseString(&text))
          return false;
        *value = std::move(text);
        return true;
      }
      case 't':
        return ParseLiteral("true", JsonValue(true), value);
      case 'f':
        return ParseLiteral("false", JsonValue(false), value);
      case 'n':
        return ParseLiteral("null", JsonValue(nullptr), value);
      default:
        return ParseNumber(value);
    }
  }

  bool ParseLiteral(std::string_view word, JsonValue literal, JsonValue* value) {
    if (text_.substr(pos_, word.size()) != word)
      return Fail("unexpected token");
    pos_ += word.size();
    *value = std::move(literal);
    return true;
  }

  bool ParseObject(JsonValue* value, int depth) {
    if (depth > kJsonMaxDepth)
      return Fail("too much nesting");
    ++pos_;  // '{'
    *value = JsonValue::object();
    if (!SkipSpace())
      return false;
    if (!AtEnd() && Peek() == '}') {
      ++pos_;
      return true;
    }
    for (;;) {
      if (AtEnd() || Peek() != '"')
        return Fail(AtEnd() ? "unexpected end of data" : "expected a string key");
      std::string key;
      if (!ParseString(&key) || !SkipSpace())
        return false;
      if (AtEnd() || Peek() != ':')
        return Fail("expected ':'");
      ++pos_;
      JsonValue member;
      if (!SkipSpace() || !ParseValue(&member, depth) || !SkipSpace())
        return false;
      (*value)[key] = std::move(member);
      bool closed = false;
      if (!AfterItem('}', &closed))
        return false;
      if (closed)
        return true;
    }
  }

  // After a member or an element: the list ends at |close| (|*closed|), or a
  // comma leads to the next item, which may not be |close| itself.
  bool AfterItem(char close, bool* closed) {
    if (AtEnd())
      return Fail("unexpected end of data");
    if (Peek() == close) {
      ++pos_;
      *closed = true;
      return true;
    }
    if (Peek() != ',')
      return Fail(close == '}' ? "expected ',' or '}'" : "expected ',' or ']'");
    ++pos_;
    if (!SkipSpace())
      return false;
    if (!AtEnd() && Peek() == close)
      return Fail("trailing comma");
    return true;
  }

  bool ParseArray(JsonValue* value, int depth) {
    if (depth > kJsonMaxDepth)
      return Fail("too much nesting");
    ++pos_;  // '['
    *value = JsonValue::array();
    if (!SkipSpace())
      return false;
    if (!AtEnd() && Peek() == ']') {
      ++pos_;
      return true;
    }
    for (;;) {
      JsonValue element;
      if (!ParseValue(&element, depth) || !SkipSpace())
        return false;
      value->push_back(std::move(element));
      bool closed = false;
      if (!AfterItem(']', &closed))
        return false;
      if (closed)
        return true;
    }
  }

  bool ReadHex(size_t digits, uint32_t* value) {
    if (pos_ + digits > text_.size())
      return Fail("invalid escape sequence");
    uint32_t result = 0;
    for (size_t i = 0; i < digits; ++i) {
      const char c = text_[pos_ + i];
      uint32_t digit;
      if (c >= '0' && c <= '9')
        digit = static_cast<uint32_t>(c - '0');
      else if (c >= 'a' && c <= 'f')
        digit = static_cast<uint32_t>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F')
        digit = static_cast<uint32_t>(c - 'A' + 10);
      else
        return Fail("invalid escape sequence");
      result = result * 16 + digit;
    }
    pos_ += digits;
    *value = result;
    return true;
  }

  // Copies one well-formed UTF-8 sequence; false on invalid UTF-8.
  bool CopyUTF8(std::string* out) {
    const size_t length = UTF8SequenceLength(text_, pos_);
    if (length == 0)
      return Fail("invalid UTF-8");
    out->append(text_.substr(pos_, length));
    pos_ += length;
    return true;
  }

  bool ParseString(std::string* out) {
    ++pos_;  // opening quote
    for (;;) {
      if (AtEnd())
        return Fail("unterminated string");
      const char c = Peek();
      const auto byte = static_cast<unsigned char>(c);
      if (c == '"') {
        ++pos_;
        return true;
      }
      if (c == '\\') {
        ++pos_;
        if (!ParseEscape(out))
          return false;
      } else if (byte >= 0x80) {
        if (!CopyUTF8(out))
          return false;
      } else if (byte < 0x20 && c != '\n' && c != '\r') {
        return Fail("control character in string");
      } else {
        out->push_back(c);
        ++pos_;
      }
    }
  }

  bool ParseEscape(std::string* out) {
    if (AtEnd())
      return Fail("unterminated string");
    const char c = Peek();
    ++pos_;
    switch (c) {
      case '"':
      case '\\':
      case '/':
        out->push_back(c);
        return true;
      case 'b':
        out->push_back('\b');
        return true;
      case 'f':
        out->push_back('\f');
        return true;
      case 'n':
        out->push_back('\n');
        return true;
      case 'r':
        out->push_back('\r');
        return true;
      case 't':
        out->push_back('\t');
        return true;
      case 'x': {
        uint32_t value;
        if (!ReadHex(2, &value))
          return false;
        AppendUTF8(value, out);
        return true;
      }
      case 'u': {
        uint32_t unit;
        if (!ReadHex(4, &unit))
          return false;
        if (unit >= 0xD800 && unit <= 0xDBFF && text_.substr(pos_, 2) == "\\u") {
          pos_ += 2;
          uint32_t low;
          if (!ReadHex(4, &low))
            return false;
          if (low >= 0xDC00 && low <= 0xDFFF) {
            AppendUTF8(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), out);
            return true;
          }
          AppendUTF8(0xFFFD, out);
          unit = low;
        }
        AppendUTF8(unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit, out);
        return true;
      }
      default:
        --pos_;
        return Fail("invalid escape sequence");
    }
  }

  bool ParseNumber(JsonValue* value) {
    const size_t start = pos_;
    auto digits = [this] {
      const size_t begin = pos_;
      while (!AtEnd() && Peek() >= '0' && Peek() <= '9')
        ++pos_;
      return pos_ - begin;
    };
    if (!AtEnd() && Peek() == '-')
      ++pos_;
    if (AtEnd() || Peek() < '0' || Peek() > '9')
      return Fail("unexpected token");
    if (Peek() == '0') {
      ++pos_;
      if (!AtEnd() && Peek() >= '0' && Peek() <= '9')
        return Fail("leading zero in number");
    } else {
      digits();
    }
    bool integral = true;
    if (!AtEnd() && Peek() == '.') {
      integral = false;
      ++pos_;
      if (digits() == 0)
        return Fail("invalid number");
    }
    if (!AtEnd() && (Peek() == 'e' || Peek() == 'E')) {
      integral = false;
      ++pos_;
      if (!AtEnd() && (Peek() == '+' || Peek() == '-'))
        ++pos_;
      if (digits() == 0)
        return Fail("invalid number");
    }
    const char* first = text_.data() + start;
    const char* last = text_.data() + pos_;
    if (integral) {
      int64_t number = 0;
      const auto result = std::from_chars(first, last, number);
      if (result.ec == std::errc() && result.ptr == last) {
        *value = number;
        return true;
      }
    }
    double number = 0;
    const auto result = std::from_chars(first, last, number);
    if (result.ptr != last || result.ec == std::errc::invalid_argument)
      return Fail("invalid number");
    *value = number;
    return true;
  }

  std::string_view text_;
  size_t pos_ = 0;
  std::string error_;
};

bool HasOnlyValidStrings(const JsonValue& value) {
  if (value.is_string())
    return IsStringUTF8(value.get_ref<const std::string&>());
  if (value.is_object()) {
    for (const auto& [key, member] : value.items()) {
      if (!IsStringUTF8(key) || !HasOnlyValidStrings(member))
        return false;
    }
  } else if (value.is_array()) {
    for (const JsonValue& element : value) {
      if (!HasOnlyValidStrings(element))
        return false;
    }
  }
  return true;
}

bool Write(const JsonValue& value, int indent, std::string* text) {
  // The library would abort on invalid UTF-8; refuse such a tree instead.
  if (!HasOnlyValidStrings(value))
    return false;
  *text = value.dump(indent);
  return true;
}

}  // namespace

bool ReadJson(std::string_view text, JsonValue* value, std::string* error_message) {
  JsonValue result;
  if (!Parser(text).Parse(&result, error_message))
    return false;
  *value = std::move(result);
  return true;
}

const JsonValue* FindJsonPath(const JsonValue& root, std::string_view dotted_path) {
  const JsonValue* node = &root;
  size_t begin = 0;
  for (;;) {
    const size_t dot = dotted_path.find('.', begin);
    const std::string key(dotted_path.substr(begin, dot - begin));
    if (!node->is_object())
      return nullptr;
    const auto it = node->find(key);
    if (it == node->end())
      return nullptr;
    node = &*it;
    if (dot == std::string_view::npos)
      return node;
    begin = dot + 1;
  }
}

const JsonValue* FindConfigValue(const JsonValue& root, std::string_view dotted_path) {
  if (const JsonValue* value = FindJsonPath(root, dotted_path))
    return value;
  constexpr std::string_view kInstallPrefix = "install.";
  if (dotted_path.substr(0, kInstallPrefix.size()) != kInstallPrefix)
    return nullptr;
  const std::string top_key(dotted_path.substr(kInstallPrefix.size()));
  if (!root.is_object())
    return nullptr;
  const auto it = root.find(top_key);
  return it == root.end() ? nullptr : &*it;
}

bool WriteJsonCompact(const JsonValue& value, std::string* text) {
  return Write(value, -1, text);
}

bool WriteJsonIndented(const JsonValue& value, std::string* text) {
  return Write(value, 3, text);
}

}  // namespace base
