#include "base/command_line.h"

#include <gtest/gtest.h>

namespace base {
namespace {

std::vector<String16> Split(StringPiece16 text) {
  return SplitCommandLineArguments(text);
}

TEST(SplitCommandLineArgumentsTest, FollowsTheSystemSplitter) {
  // Each row: input, expected arguments after the program.
  struct Case {
    const char16_t* text;
    std::vector<String16> args;
  } cases[] = {
      {u"p a b", {u"a", u"b"}},
      {u"p \"a b\" c", {u"a b", u"c"}},
      {u"p a\\\\b", {u"a\\\\b"}},        // backslashes alone are literal
      {u"p a\\\"b", {u"a\"b"}},          // odd run before a quote: literal quote
      {u"p a\\\\\"b c\"", {u"a\\b c"}},  // even run: halved, quote toggles
      {u"p a\\\\\\\"b", {u"a\\\"b"}},    // three backslashes and a quote
      {u"p \"\"", {u""}},                // empty quoted argument
      {u"p \"a\"\"b\"", {u"a\"b"}},      // doubled quote inside a quoted run
      {u"p \"a\"\"\"b\"", {u"a\"b"}},    // three quotes: one literal
      {u"p \t a\t\tb  ", {u"a", u"b"}},  // tabs and runs of blanks separate
      {u"p \"unterminated arg", {u"unterminated arg"}},
  };
  for (const Case& c : cases) {
    std::vector<String16> args = Split(c.text);
    ASSERT_FALSE(args.empty());
    EXPECT_EQ(args[0], u"p");
    args.erase(args.begin());
    EXPECT_EQ(args, c.args) << UTF16ToUTF8(c.text);
  }
}

TEST(SplitCommandLineArgumentsTest, ProgramHasNoEscapes) {
  EXPECT_EQ(Split(u"\"C:\\dir x\\p.exe\" --a")[0], u"C:\\dir x\\p.exe");
  EXPECT_EQ(Split(u"C:\\d\\\"p.exe --a")[0], u"C:\\d\\\"p.exe");
  EXPECT_EQ(Split(u"\"C:\\unterminated")[0], u"C:\\unterminated");
  EXPECT_EQ(Split(u"")[0], u"");
}

TEST(CommandLineTest, SwitchPrefixesCaseAndValues) {
  const CommandLine cl = CommandLine::FromString(
      u"  \"C:\\x\\lite.exe\"  --SILENT -brand-name=Foo /Distr-Info-Params=a=1&b=2 plain "
      u"--empty= -- --system-level=  ");
  EXPECT_EQ(cl.GetProgram(), u"C:\\x\\lite.exe");
  EXPECT_TRUE(cl.HasSwitch("silent"));
  EXPECT_TRUE(cl.HasSwitch("SILENT"));
  EXPECT_EQ(cl.GetSwitchValueASCII("brand-name"), "Foo");
  // Only the first "=" splits; the value keeps its own.
  EXPECT_EQ(cl.GetSwitchValueASCII("distr-info-params"), "a=1&b=2");
  EXPECT_TRUE(cl.HasSwitch("empty"));
  EXPECT_EQ(cl.GetSwitchValueNative("empty"), u"");
  EXPECT_TRUE(cl.HasSwitch(""));  // a lone "--"
  EXPECT_FALSE(cl.HasSwitch("plain"));
  EXPECT_EQ(cl.GetSwitches().size(), 6u);
  EXPECT_EQ(cl.GetSwitchValueNative("absent"), u"");
}

TEST(CommandLineTest, LongestPrefixIsRemovedAndLastValueWins) {
  const CommandLine cl =
      CommandLine::FromString(u"p ---triple /-slash --brand-name=a --BRAND-NAME=b");
  EXPECT_TRUE(cl.HasSwitch("-triple"));
  EXPECT_TRUE(cl.HasSwitch("-slash"));
  EXPECT_EQ(cl.GetSwitchValueASCII("brand-name"), "b");
}

TEST(CommandLineTest, QuotedArgumentsAreTrimmedAndKeepInnerBlanks) {
  const CommandLine cl = CommandLine::FromString(u"p \" --silent \" \"--setup-cmd-line=a b\"");
  EXPECT_TRUE(cl.HasSwitch("silent"));
  EXPECT_EQ(cl.GetSwitchValueNative("setup-cmd-line"), u"a b");
}

TEST(CommandLineTest, SemiSilentExpands) {
  const CommandLine cl = CommandLine::FromString(u"p --semi-silent");
  EXPECT_TRUE(cl.HasSwitch("semi-silent"));
  EXPECT_TRUE(cl.HasSwitch("silent"));
  EXPECT_TRUE(cl.HasSwitch("uac-enabled"));
  EXPECT_EQ(cl.GetCommandLineString(), u"p --semi-silent --silent --uac-enabled");
  EXPECT_FALSE(CommandLine::FromString(u"p --silent").HasSwitch("uac-enabled"));
}

TEST(CommandLineTest, NonAsciiIsNarrowedToLowBytes) {
  // U+0141 (Ł) narrows to 0x41 'A', U+00E9 to 0xE9; names are then lower-cased.
  const CommandLine cl = CommandLine::FromString(u"p --brand-name=\u0141\u00e9x --N\u0141ME=v");
  EXPECT_EQ(cl.GetSwitchValueASCII("brand-name"), "A\xE9x");
  EXPECT_EQ(cl.GetSwitchValueNative("brand-name"), u"\u0141\u00e9x");
  EXPECT_TRUE(cl.HasSwitch("nAme"));
  EXPECT_EQ(cl.GetSwitchValueNative("NAME"), u"v");
}

TEST(CommandLineTest, AutoBrandNameIsComparedExactly) {
  const CommandLine cl = CommandLine::FromString(u"p --brand-name=AUTO");
  EXPECT_EQ(cl.GetSwitchValueASCII("brand-name"), "AUTO");
}

TEST(QuoteArgumentTest, QuotesOnlyWhenNeeded) {
  EXPECT_EQ(QuoteArgument(u""), u"");
  EXPECT_EQ(QuoteArgument(u"plain"), u"plain");
  EXPECT_EQ(QuoteArgument(u"a b"), u"\"a b\"");
  EXPECT_EQ(QuoteArgument(u"C:\\dir\\f.exe"), u"\"C:\\dir\\f.exe\"");
  EXPECT_EQ(QuoteArgument(u"say \"hi\""), u"\"say \\\"hi\\\"\"");
  EXPECT_EQ(QuoteArgument(u"C:\\dir\\"), u"\"C:\\dir\\\\\"");
  EXPECT_EQ(QuoteArgument(u"a\\\\\"b"), u"\"a\\\\\\\\\\\"b\"");
  // Tabs and other control characters split or confuse readers: quoted.
  EXPECT_EQ(QuoteArgument(u"a\tb"), u"\"a\tb\"");
  EXPECT_EQ(QuoteArgument(u"a\nb"), u"\"a\nb\"");
  EXPECT_EQ(QuoteArgument(u"a\x01"), u"\"a\x01\"");
  EXPECT_EQ(QuoteArgument(u"a\x7f"), u"\"a\x7f\"");
}

TEST(CommandLineTest, StringRoundTripsThroughTheSplitter) {
  CommandLine original;
  original.SetProgram(u"C:\\Program Files\\setup.arc");
  original.AppendSwitchNative("setup-cmd-line",
                              u"\"C:\\a b\\x.exe\" --q=\"v \\\"w\\\"\" --end=C:\\dir\\");
  original.AppendSwitchNative("path", u"C:\\trailing\\");
  original.AppendSwitchNative("quote", u"\"");
  original.AppendSwitch("flag");
  original.AppendSwitchNative("unicode", u"\u043f\u0440\u0438\u0432\u0435\u0442 x");

  const CommandLine parsed = CommandLine::FromString(original.GetCommandLineString());
  EXPECT_EQ(parsed.GetProgram(), original.GetProgram());
  EXPECT_EQ(parsed.GetSwitches(), original.GetSwitches());
}

TEST(CommandLineTest, StringListsSwitchesOnceInNameOrder) {
  const CommandLine cl = CommandLine::FromString(u"x.exe --b=2 --a --b=3 --c=\"two words\"");
  EXPECT_EQ(cl.GetCommandLineString(), u"x.exe --a --b=3 --c=\"two words\"");
  // The arguments alone are what the shell is given beside the program.
  EXPECT_EQ(cl.GetArgumentsString(), u"--a --b=3 --c=\"two words\"");
  EXPECT_EQ(CommandLine::FromString(u"\"C:\\a b\\x.exe\"").GetArgumentsString(), u"");
}

}  // namespace
}  // namespace base
