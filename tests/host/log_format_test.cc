#include "logging/log_format.h"

#include <gtest/gtest.h>

namespace logging {
namespace {

// 2024-11-05 09:07:03.045 UTC in microseconds since 1601-01-01.
constexpr int64_t kExampleTime = (13375271223LL * 1000 + 45) * 1000 + 999;

TEST(LogFormatTest, Prefix) {
  std::string prefix;
  ASSERT_TRUE(FormatLogPrefix(kExampleTime, 5120, 6312, &prefix));
  EXPECT_EQ(prefix, "2024-11-05 09:07:03.045 5120:6312 ");
  ASSERT_TRUE(FormatLogPrefix(0, 7, 0, &prefix));
  EXPECT_EQ(prefix, "1601-01-01 00:00:00.000 07:00 ");
  ASSERT_TRUE(FormatLogPrefix(kExampleTime, 4294967295u, 4294967295u, &prefix));
  EXPECT_EQ(prefix, "2024-11-05 09:07:03.045 4294967295:4294967295 ");
}

TEST(LogFormatTest, ExplodeTimeAcrossLeapYears) {
  // 2000-02-29 23:59:59.999 and the next millisecond.
  const int64_t leap = (12596342399LL * 1000 + 999) * 1000;
  CalendarTime t = ExplodeTime(leap);
  EXPECT_EQ(t.year, 2000);
  EXPECT_EQ(t.month, 2);
  EXPECT_EQ(t.day, 29);
  EXPECT_EQ(t.hour, 23);
  EXPECT_EQ(t.minute, 59);
  EXPECT_EQ(t.second, 59);
  EXPECT_EQ(t.millisecond, 999);
  t = ExplodeTime(leap + 1000);
  EXPECT_EQ(t.month, 3);
  EXPECT_EQ(t.day, 1);
  EXPECT_EQ(t.hour, 0);
}

TEST(LogFormatTest, LocationSuffixFitsOrFails) {
  std::string suffix;
  ASSERT_TRUE(FormatLocationSuffix("wWinMain", 244, &suffix));
  EXPECT_EQ(suffix, " (wWinMain:244)");
  EXPECT_FALSE(FormatLocationSuffix(std::string(200, 'f'), 1, &suffix));
}

TEST(LogFormatTest, LevelNames) {
  EXPECT_STREQ(LogLevelName(0), "INFO");
  EXPECT_STREQ(LogLevelName(1), "ERROR");
  EXPECT_STREQ(LogLevelName(2), "WARNING");
}

TEST(LogFormatTest, ShortFunctionName) {
  EXPECT_EQ(ShortFunctionName("int wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)"), "wWinMain");
  EXPECT_EQ(ShortFunctionName("virtual bool Installer::DownloadModule(int)"),
            "virtual Installer::DownloadModule");
  EXPECT_EQ(ShortFunctionName("static bool InstallUACUtil::IsUserAnAdminGroup(HANDLE)"),
            "static InstallUACUtil::IsUserAnAdminGroup");
  EXPECT_EQ(ShortFunctionName("int lite_installer::{anonymous}::ExecuteAsAdmin()"),
            "lite_installer::(anonymous namespace)::ExecuteAsAdmin");
  EXPECT_EQ(ShortFunctionName("void (anonymous namespace)::LogBrandInfo(const BrandInfo &)"),
            "(anonymous namespace)::LogBrandInfo");
  EXPECT_EQ(ShortFunctionName("void BrandPackageInfo::GetInfo(const std::string&) const"),
            "BrandPackageInfo::GetInfo");
  EXPECT_EQ(ShortFunctionName(
                "std::map<std::__cxx11::basic_string<char>, int> ns::Make(std::pair<int, int>)"),
            "ns::Make");
  EXPECT_EQ(ShortFunctionName("Installer::Installer(Observer*)"), "Installer::Installer");
  EXPECT_EQ(ShortFunctionName("plain"), "plain");
}

}  // namespace
}  // namespace logging
