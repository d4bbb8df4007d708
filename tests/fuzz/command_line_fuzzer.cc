// Arbitrary text as a command line: parsing never fails, names come out
// lower-case, and a quoted argument splits back into itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "base/command_line.h"

namespace {

void Check(bool condition) {
  if (!condition)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  base::String16 text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));

  const base::CommandLine command_line = base::CommandLine::FromString(text);
  for (const auto& [name, value] : command_line.GetSwitches()) {
    Check(base::ToLowerASCII(name) == name);
    Check(command_line.HasSwitch(name));
    Check(command_line.GetSwitchValueNative(name) == value);
  }
  if (command_line.HasSwitch("semi-silent"))
    Check(command_line.HasSwitch("silent") && command_line.HasSwitch("uac-enabled"));
  (void)command_line.GetCommandLineString();

  // Quoting is exact for any text the splitter can carry: not empty, no tab,
  // no NUL.
  if (!text.empty() &&
      text.find_first_of(base::StringPiece16(u"\t\0", 2)) == base::String16::npos) {
    const std::vector<base::String16> args =
        base::SplitCommandLineArguments(u"p " + base::QuoteArgument(text));
    Check(args.size() == 2 && args[1] == text);
  }
  return 0;
}
