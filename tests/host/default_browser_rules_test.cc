#include <gtest/gtest.h>

#include "installer/util/windows_version.h"
#include "installer/velnor/util/default_browser_rules.h"

namespace installer {
namespace {

using win10_default_browser::CanMakeDefaultFromInstaller;
using win10_default_browser::IsNewDefaultBrowserApiBuild;

TEST(WindowVersionNumberTest, MajorAndMinorToTheInstallersScheme) {
  struct Case {
    uint32_t major;
    uint32_t minor;
    int number;
  };
  const Case cases[] = {{0, 0, 0},  {4, 10, 0}, {5, 0, 1}, {5, 1, 2}, {5, 2, 2},
                        {6, 0, 3},  {6, 1, 4},  {6, 2, 5}, {6, 3, 6}, {6, 4, 7},
                        {10, 0, 7}, {11, 0, 7}, {7, 0, 7}};
  for (const Case& c : cases)
    EXPECT_EQ(WindowVersionNumber(c.major, c.minor), c.number) << c.major << "." << c.minor;
}

TEST(DefaultBrowserRulesTest, NewInterfaceBuilds) {
  EXPECT_FALSE(IsNewDefaultBrowserApiBuild(17134, 318));
  EXPECT_TRUE(IsNewDefaultBrowserApiBuild(17134, 319));
  EXPECT_TRUE(IsNewDefaultBrowserApiBuild(17134, 1000));
  EXPECT_FALSE(IsNewDefaultBrowserApiBuild(17133, 5000));
  EXPECT_FALSE(IsNewDefaultBrowserApiBuild(17135, 5000));
  EXPECT_FALSE(IsNewDefaultBrowserApiBuild(17703, 5000));
  EXPECT_TRUE(IsNewDefaultBrowserApiBuild(17704, 0));
  EXPECT_TRUE(IsNewDefaultBrowserApiBuild(22631, 0));
  EXPECT_FALSE(IsNewDefaultBrowserApiBuild(10240, 0));
}

TEST(DefaultBrowserRulesTest, DecisionTableCallsTheProbeOnlyOnOlderWindows10Builds) {
  struct Case {
    int windows;
    uint32_t build;
    uint32_t revision;
    bool probe_answer;
    bool probed;
    bool result;
  };
  const Case cases[] = {
      {kWindowsXp, 2600, 0, false, false, true},    {kWindowsVista, 6002, 0, false, false, true},
      {kWindows7, 7601, 0, false, false, true},     {kWindows8, 9200, 0, true, false, false},
      {kWindows8_1, 9600, 0, true, false, false},   {kWindows10, 17134, 319, false, false, true},
      {kWindows10, 19045, 0, false, false, true},   {kWindows10, 17134, 318, true, true, true},
      {kWindows10, 17134, 318, false, true, false}, {kWindows10, 10240, 0, true, true, true},
      {kWindows10, 17703, 0, false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.windows << " " << c.build << "." << c.revision);
    int calls = 0;
    const bool result = CanMakeDefaultFromInstaller(c.windows, c.build, c.revision, [&] {
      ++calls;
      return c.probe_answer;
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(calls, c.probed ? 1 : 0);
  }
  // No probe to ask is a "no".
  EXPECT_FALSE(CanMakeDefaultFromInstaller(kWindows10, 17134, 318, nullptr));
}

}  // namespace
}  // namespace installer
