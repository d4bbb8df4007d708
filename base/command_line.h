// The installer's command-line object: a program path and a map of switches
// with lower-case names. Built from the process command line or from a text
// carried in a switch; turned back into a string to launch other processes.
#ifndef BASE_COMMAND_LINE_H_
#define BASE_COMMAND_LINE_H_

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/strings.h"

namespace base {

// Splits |text| into arguments with the rules of the system's argument
// splitter: the first argument ends at the closing quote or the first blank
// (no escapes); later ones honour quotes, backslash runs before quotes and
// tripled quotes inside quoted runs.
std::vector<String16> SplitCommandLineArguments(StringPiece16 text);

// Quotes one argument for a command-line string: a text holding a blank, a
// tab or another control character, a double quote or a backslash is enclosed
// in quotes, with quotes escaped and backslash runs doubled before a quote or
// at the end; anything else (the empty text included) stays as it is. A NUL
// would end the string early: callers drop such values before quoting.
String16 QuoteArgument(StringPiece16 argument);

class CommandLine {
 public:
  using SwitchMap = std::map<std::string, String16>;

  CommandLine() = default;

  // Splits, trims and classifies |text|; expands "semi-silent".
  static CommandLine FromString(StringPiece16 text);

  const String16& GetProgram() const { return program_; }
  void SetProgram(StringPiece16 program) { program_ = String16(program); }

  bool HasSwitch(std::string_view name) const;
  // Empty when the switch is absent.
  String16 GetSwitchValueNative(std::string_view name) const;
  // The native value with each UTF-16 unit cut to its low byte.
  std::string GetSwitchValueASCII(std::string_view name) const;

  void AppendSwitch(std::string_view name);
  void AppendSwitchNative(std::string_view name, StringPiece16 value);
  void AppendSwitchASCII(std::string_view name, std::string_view value);
  void RemoveSwitch(std::string_view name);

  const SwitchMap& GetSwitches() const { return switches_; }

  // Quoted program, then " --name" or " --name=value" per switch in name order.
  String16 GetCommandLineString() const;
  // The same without the program: "--name" or "--name=value" per switch,
  // separated by single spaces.
  String16 GetArgumentsString() const;

 private:
  String16 program_;
  SwitchMap switches_;
};

}  // namespace base

#endif  // BASE_COMMAND_LINE_H_
