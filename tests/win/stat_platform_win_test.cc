// The statistics sender's Windows adapter: the system's segment escaping
// agrees with the portable one the host tests use, and the registry round trip.
#include "installer/stats/stat_platform_win.h"

#include <gtest/gtest.h>

#include "installer/stats/stat_escape.h"

namespace installer {
namespace {

TEST(StatPlatformWinTest, SegmentEscapingMatchesThePortableEquivalent) {
  StatSenderPlatformWin platform;
  for (const char16_t* text :
       {u"plain_Text.09", u"a b", u"1/2;3", u"x?y#z&w", u"<>\"{}|\\^[]`", u"%3B", u"\u00e9\u00ff",
        u"\u042f\u0431", u"tab\there", u"~!*'()$+:@=", u""}) {
    base::String16 escaped;
    ASSERT_TRUE(platform.EscapeSegment(text, &escaped)) << base::UTF16ToUTF8(text);
    EXPECT_EQ(base::UTF16ToUTF8(escaped), base::UTF16ToUTF8(EscapeUrlSegment(text)))
        << base::UTF16ToUTF8(text);
  }
}

TEST(StatPlatformWinTest, ParametersSurviveTheRegistry) {
  StatSenderPlatformWin platform;
  {
    InstallStatSender sender(&platform, u"");
    sender.SetParam(InstallStatSender::kBrandId, "b\u00e9");
    sender.StoreParams();
    const base::String16 stored = platform.ReadBrowserValue("install_stat");
    InstallStatSender seeded(&platform, stored);
    EXPECT_EQ(seeded.GetParam(InstallStatSender::kBrandId), u"b\u00e9");
    EXPECT_EQ(seeded.params().at("installer_type"), u"lite");
  }
  EXPECT_TRUE(platform.ReadBrowserValue("install_stat").empty());
}

}  // namespace
}  // namespace installer
