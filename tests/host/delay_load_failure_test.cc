#include "installer/lite_installer/startup/delay_load_failure.h"

#include <gtest/gtest.h>

#include <cstring>

namespace lite_installer {
namespace {

TEST(DelayLoadFailureTest, Messages) {
  EXPECT_EQ(LibraryNotFoundMessage("WINHTTP.dll"), "Windows dll is not found: WINHTTP.dll");
  EXPECT_EQ(FunctionNotFoundMessage("WinHttpOpen", "WINHTTP.dll"),
            "Function WinHttpOpen not found in Windows dll WINHTTP.dll");
  EXPECT_EQ(DelayLoadFunctionName(true, "WinHttpOpen", 0), "WinHttpOpen");
  // By ordinal the name field holds the number: it is never read as text.
  EXPECT_EQ(DelayLoadFunctionName(false, reinterpret_cast<const char*>(680), 680), "#680");
  EXPECT_EQ(DelayLoadFunctionName(true, nullptr, 0), "");
}

TEST(DelayLoadFailureTest, WindowingLibraryIsRecognisedWithoutCase) {
  EXPECT_TRUE(IsWindowingLibrary("USER32.dll"));
  EXPECT_TRUE(IsWindowingLibrary("user32.DLL"));
  EXPECT_FALSE(IsWindowingLibrary("user32"));
  EXPECT_FALSE(IsWindowingLibrary("user32.dll.bak"));
  EXPECT_FALSE(IsWindowingLibrary("GDI32.dll"));
}

TEST(DelayLoadFailureTest, MessageBoxRules) {
  const base::String16 normal = u"\"C:\\dl\\setup.exe\" --brand-name=x";
  EXPECT_TRUE(ShouldShowDelayLoadMessage(normal, true, "WINHTTP.dll"));
  // The windowing library was never requested: no box may be shown.
  EXPECT_FALSE(ShouldShowDelayLoadMessage(normal, false, "WINHTTP.dll"));
  // The failing library is the windowing library itself.
  EXPECT_FALSE(ShouldShowDelayLoadMessage(normal, true, "USER32.dll"));
  // "--silent" anywhere in the raw text, even inside another word or value.
  EXPECT_FALSE(ShouldShowDelayLoadMessage(u"setup.exe --silent", true, "WINHTTP.dll"));
  EXPECT_FALSE(ShouldShowDelayLoadMessage(u"setup.exe --silently", true, "WINHTTP.dll"));
  EXPECT_FALSE(ShouldShowDelayLoadMessage(u"\"C:\\a --silent b\\setup.exe\"", true, "WINHTTP.dll"));
  // The raw text is searched as written: other spellings do not count.
  EXPECT_TRUE(ShouldShowDelayLoadMessage(u"setup.exe --SILENT", true, "WINHTTP.dll"));
  EXPECT_TRUE(ShouldShowDelayLoadMessage(u"setup.exe --semi-silent", true, "WINHTTP.dll"));
  EXPECT_TRUE(ShouldShowDelayLoadMessage(u"setup.exe -silent", true, "WINHTTP.dll"));
}

TEST(DelayLoadFailureTest, MessageIsCutTo127Characters) {
  char buffer[kDelayLoadMessageBufferSize];
  std::memset(buffer, 'x', sizeof(buffer));
  CopyDelayLoadMessage("short", buffer, sizeof(buffer));
  EXPECT_STREQ(buffer, "short");

  const std::string long_message =
      FunctionNotFoundMessage(std::string(200, 'F'), "VERY_LONG_LIBRARY_NAME.dll");
  CopyDelayLoadMessage(long_message, buffer, sizeof(buffer));
  EXPECT_EQ(std::string(buffer), long_message.substr(0, 127));
  EXPECT_EQ(buffer[127], '\0');

  const std::string exact(127, 'e');
  CopyDelayLoadMessage(exact, buffer, sizeof(buffer));
  EXPECT_EQ(std::string(buffer), exact);
}

}  // namespace
}  // namespace lite_installer
