#include "base/command_line.h"

namespace base {

namespace {

constexpr std::string_view kSemiSilentSwitch = "semi-silent";
constexpr std::string_view kSilentSwitch = "silent";
constexpr std::string_view kUacEnabledSwitch = "uac-enabled";

bool IsArgumentSeparator(char16_t c) {
  return c == u' ' || c == u'\t';
}

// The program name: up to the closing quote when it starts with one, else up
// to the first blank or tab. Backslashes carry no meaning here.
size_t SplitProgram(StringPiece16 text, String16* program) {
  size_t pos = 0;
  if (!text.empty() && text[0] == u'"') {
    pos = 1;
    while (pos < text.size() && text[pos] != u'"')
      ++pos;
    *program = String16(text.substr(1, pos - 1));
    if (pos < text.size())
      ++pos;
  } else {
    while (pos < text.size() && !IsArgumentSeparator(text[pos]))
      ++pos;
    *program = String16(text.substr(0, pos));
  }
  return pos;
}

// Strips "--", "-" or "/" (tested in this order). False for a plain argument.
bool StripSwitchPrefix(StringPiece16* argument) {
  for (StringPiece16 prefix : {StringPiece16(u"--"), StringPiece16(u"-"), StringPiece16(u"/")}) {
    if (argument->substr(0, prefix.size()) == prefix) {
      argument->remove_prefix(prefix.size());
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<String16> SplitCommandLineArguments(StringPiece16 text) {
  std::vector<String16> args;
  String16 program;
  size_t pos = SplitProgram(text, &program);
  args.push_back(std::move(program));

  while (pos < text.size() && IsArgumentSeparator(text[pos]))
    ++pos;
  while (pos < text.size()) {
    String16 arg;
    size_t backslashes = 0;
    // Odd while inside a quoted run.
    int quotes = 0;
    while (pos < text.size()) {
      const char16_t c = text[pos];
      if (IsArgumentSeparator(c) && quotes == 0)
        break;
      if (c == u'\\') {
        arg.push_back(c);
        ++backslashes;
        ++pos;
        continue;
      }
      if (c != u'"') {
        arg.push_back(c);
        backslashes = 0;
        ++pos;
        continue;
      }
      if (backslashes % 2 == 0) {
        // 2n backslashes and a quote: n backslashes, the quote toggles.
        arg.resize(arg.size() - backslashes / 2);
        ++quotes;
      } else {
        // 2n+1 backslashes and a quote: n backslashes and a literal quote.
        arg.resize(arg.size() - backslashes / 2 - 1);
        arg.push_back(u'"');
      }
      backslashes = 0;
      ++pos;
      // A run of further quotes: every third one is literal.
      while (pos < text.size() && text[pos] == u'"') {
        if (++quotes == 3) {
          arg.push_back(u'"');
          quotes = 0;
        }
        ++pos;
      }
      if (quotes == 2)
        quotes = 0;
    }
    args.push_back(std::move(arg));
    while (pos < text.size() && IsArgumentSeparator(text[pos]))
      ++pos;
  }
  return args;
}

namespace {

// Blanks split arguments; other control characters (tab, line breaks) split
// them for some readers too, so a value holding any of them is quoted.
bool NeedsQuotes(StringPiece16 argument) {
  for (char16_t c : argument) {
    if (c <= u' ' || c == 0x7F || c == u'"' || c == u'\\')
      return true;
  }
  return false;
}

}  // namespace

String16 QuoteArgument(StringPiece16 argument) {
  if (!NeedsQuotes(argument))
    return String16(argument);
  String16 out = u"\"";
  size_t backslashes = 0;
  for (char16_t c : argument) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    if (c == u'"') {
      out.append(backslashes * 2 + 1, u'\\');
    } else {
      out.append(backslashes, u'\\');
    }
    backslashes = 0;
    out.push_back(c);
  }
  out.append(backslashes * 2, u'\\');
  out.push_back(u'"');
  return out;
}

CommandLine CommandLine::FromString(StringPiece16 text) {
  CommandLine command_line;
  const std::vector<String16> args = SplitCommandLineArguments(TrimWhitespace(text));
  command_line.program_ = String16(TrimWhitespace(args[0]));
  for (size_t i = 1; i < args.size(); ++i) {
    StringPiece16 arg = TrimWhitespace(args[i]);
    if (!StripSwitchPrefix(&arg))
      continue;
    const size_t equals = arg.find(u'=');
    const StringPiece16 name = arg.substr(0, equals);
    const StringPiece16 value =
        equals == StringPiece16::npos ? StringPiece16() : arg.substr(equals + 1);
    command_line.switches_[ToLowerASCII(LowByteNarrow(name))] = String16(value);
  }
  if (command_line.HasSwitch(kSemiSilentSwitch)) {
    command_line.AppendSwitch(kSilentSwitch);
    command_line.AppendSwitch(kUacEnabledSwitch);
  }
  return command_line;
}

bool CommandLine::HasSwitch(std::string_view name) const {
  return switches_.count(ToLowerASCII(name)) != 0;
}

String16 CommandLine::GetSwitchValueNative(std::string_view name) const {
  const auto it = switches_.find(ToLowerASCII(name));
  return it == switches_.end() ? String16() : it->second;
}

std::string CommandLine::GetSwitchValueASCII(std::string_view name) const {
  return LowByteNarrow(GetSwitchValueNative(name));
}

void CommandLine::AppendSwitch(std::string_view name) {
  AppendSwitchNative(name, StringPiece16());
}

void CommandLine::AppendSwitchNative(std::string_view name, StringPiece16 value) {
  switches_[ToLowerASCII(name)] = String16(value);
}

void CommandLine::AppendSwitchASCII(std::string_view name, std::string_view value) {
  AppendSwitchNative(name, ASCIIToUTF16(value));
}

void CommandLine::RemoveSwitch(std::string_view name) {
  switches_.erase(ToLowerASCII(name));
}

String16 CommandLine::GetCommandLineString() const {
  const String16 arguments = GetArgumentsString();
  return arguments.empty() ? QuoteArgument(program_) : QuoteArgument(program_) + u" " + arguments;
}

String16 CommandLine::GetArgumentsString() const {
  String16 out;
  for (const auto& [name, value] : switches_) {
    if (!out.empty())
      out += u' ';
    out += u"--";
    out += ASCIIToUTF16(name);
    if (!value.empty()) {
      out += u'=';
      out += QuoteArgument(value);
    }
  }
  return out;
}

}  // namespace base
