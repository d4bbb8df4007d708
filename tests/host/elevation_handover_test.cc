// The hand-over to the elevated copy: the shared block's limits and contents,
// how the copy rebuilds the setup command line from it, and when the
// installer asks for an elevated copy at all.
#include <gtest/gtest.h>

#include <cstring>

#include "installer/lite_installer/engine/delayed_params.h"
#include "installer/lite_installer/engine/elevation_decision.h"
#include "tests/support/log_capture.h"

namespace lite_installer {
namespace {

using base::CommandLine;
using base::String16;

DelayedParamsValues FullValues() {
  DelayedParamsValues values;
  values.browser_arc_path = u"C:\\T\\browser-setup.arc";
  values.clids_file_path = u"C:\\T\\clids.xml";
  values.website_icon_file_path = u"C:\\T\\website.ico";
  values.installer_data_path = u"C:\\T\\master_preferences";
  values.brand_package_path = u"C:\\T\\brand.cab";
  values.partner_package_path = u"C:\\T\\partner.cab";
  values.partner_package_override_path = u"C:\\T\\override.cab";
  values.histogram_download_time = u"12";
  values.histogram_full_time = u"13371337";
  values.send_statistics = true;
  values.make_default = false;
  values.install_vnpin = false;
  return values;
}

CommandLine Template() {
  CommandLine line = CommandLine::FromString(
      u"fake_browser_arc --progress-window=42 --make-browser-default-after-import "
      u"--abt-config-resource-file=C:\\T\\abt");
  return line;
}

TEST(DelayedParamsTest, PathsOfTheLimitAreStoredWholeLongerOnesAreRefusedAndLogged) {
  DelayedParams block = {};
  block.shared_error_code = 6;
  DelayedParamsValues values = FullValues();
  values.partner_package_path = String16(260, u'p');
  ASSERT_TRUE(StoreDelayedParams(values, &block));
  EXPECT_EQ(String16(block.partner_package_path), values.partner_package_path);
  EXPECT_EQ(block.partner_package_path[260], u'\0');
  EXPECT_EQ(block.shared_error_code, 6);  // not the writer's business
  EXPECT_EQ(block.send_statistics, 1);
  EXPECT_EQ(block.install_vnpin, 0);

  const DelayedParams before = block;
  test::LogCapture log;
  values.partner_package_path = String16(261, u'q');
  EXPECT_FALSE(StoreDelayedParams(values, &block));
  EXPECT_EQ(std::memcmp(&before, &block, sizeof(block)), 0);
  ASSERT_EQ(log.Lines().size(), 1u);
  const std::string line = log.Lines()[0];
  const std::string expected_start =
      "ERROR: Too large string length, browser_arc_path=C:\\T\\browser-setup.arc "
      "clids_file_path=C:\\T\\clids.xml velnor_website_icon_file_path=C:\\T\\website.ico "
      "installer_data_path=C:\\T\\master_preferences brand_package_path=C:\\T\\brand.cab "
      "partner_package_path=" +
      std::string(261, 'q') +
      " partner_package_override_path=C:\\T\\override.cab histogram_download_time=12 "
      "histogram_full_time=13371337 send_statistics=1 make_default=0 install_vnpin=0 - ";
  EXPECT_EQ(line.substr(0, expected_start.size()), expected_start) << line;

  DelayedParamsValues long_time = FullValues();
  long_time.histogram_full_time = String16(33, u'9');
  EXPECT_FALSE(StoreDelayedParams(long_time, &block));
  long_time.histogram_full_time = String16(32, u'9');
  EXPECT_TRUE(StoreDelayedParams(long_time, &block));
}

TEST(DelayedParamsTest, ApplyingPutsEveryValueIntoTheTemplate) {
  DelayedParams block = {};
  ASSERT_TRUE(StoreDelayedParams(FullValues(), &block));
  CommandLine line = Template();
  ApplyDelayedParams(
      block, [](const String16&) { return true; }, &line);
  EXPECT_EQ(line.GetProgram(), u"C:\\T\\browser-setup.arc");
  EXPECT_EQ(line.GetSwitchValueNative("installerdata"), u"C:\\T\\master_preferences");
  EXPECT_EQ(line.GetSwitchValueNative("clids-file"), u"C:\\T\\clids.xml");
  EXPECT_EQ(line.GetSwitchValueNative("velnor-website-icon-file"), u"C:\\T\\website.ico");
  EXPECT_EQ(line.GetSwitchValueNative("brand-package"), u"C:\\T\\brand.cab");
  EXPECT_EQ(line.GetSwitchValueNative("partner-package"), u"C:\\T\\partner.cab");
  EXPECT_EQ(line.GetSwitchValueNative("override-partner-package"), u"C:\\T\\override.cab");
  EXPECT_EQ(line.GetSwitchValueNative("install-start-time-no-uac"), u"13371337");
  EXPECT_EQ(line.GetSwitchValueNative("histogram-download-time"), u"12");
  EXPECT_TRUE(line.HasSwitch("send-statistics"));
  // The user's later choices win over what the template was built with.
  EXPECT_FALSE(line.HasSwitch("make-browser-default-after-import"));
  EXPECT_TRUE(line.HasSwitch("disablevnpin"));
  // What the template already carried stays.
  EXPECT_EQ(line.GetSwitchValueNative("progress-window"), u"42");
  EXPECT_EQ(line.GetSwitchValueNative("abt-config-resource-file"), u"C:\\T\\abt");
}

TEST(DelayedParamsTest, EmptySlotsAddNothingButTheDownloadTime) {
  DelayedParams block = {};
  block.install_vnpin = 1;
  CommandLine line = Template();
  int icon_checks = 0;
  ApplyDelayedParams(
      block,
      [&](const String16&) {
        ++icon_checks;
        return true;
      },
      &line);
  EXPECT_EQ(line.GetProgram(), u"fake_browser_arc");
  EXPECT_EQ(icon_checks, 0);
  for (const char* name : {"installerdata", "clids-file", "velnor-website-icon-file",
                           "brand-package", "partner-package", "override-partner-package",
                           "install-start-time-no-uac", "send-statistics", "disablevnpin"}) {
    EXPECT_FALSE(line.HasSwitch(name)) << name;
  }
  EXPECT_TRUE(line.HasSwitch("histogram-download-time"));
  EXPECT_EQ(line.GetSwitchValueNative("histogram-download-time"), u"");
}

TEST(DelayedParamsTest, SiteIconThatIsMissingOrEmptyIsLeftOut) {
  DelayedParams block = {};
  ASSERT_TRUE(StoreDelayedParams(FullValues(), &block));
  CommandLine line = Template();
  String16 checked;
  ApplyDelayedParams(
      block,
      [&](const String16& path) {
        checked = path;
        return false;
      },
      &line);
  EXPECT_EQ(checked, u"C:\\T\\website.ico");
  EXPECT_FALSE(line.HasSwitch("velnor-website-icon-file"));
  EXPECT_TRUE(line.HasSwitch("clids-file"));
}

TEST(DelayedParamsTest, SlotWithoutTerminatorIsReadToItsEndOnly) {
  // Any process of the executable can write the block: a slot filled to its
  // last unit must not run into the next one.
  DelayedParams block = {};
  std::fill(std::begin(block.browser_arc_path), std::end(block.browser_arc_path), u'a');
  block.clids_file_path[0] = u'b';
  CommandLine line = Template();
  ApplyDelayedParams(
      block, [](const String16&) { return false; }, &line);
  EXPECT_EQ(line.GetProgram(), String16(261, u'a'));
  EXPECT_EQ(line.GetSwitchValueNative("clids-file"), u"b");
}

TEST(ElevationDecisionTest, OnlyAdministratorsInstallingAreElevated) {
  const CommandLine plain = CommandLine::FromString(u"lite.exe --brand-name=x");
  EXPECT_TRUE(DecideElevation(true, plain).elevate());
  const ElevationDecision not_admin =
      DecideElevation(false, CommandLine::FromString(u"lite.exe --set-as-default-browser"));
  EXPECT_EQ(not_admin.reason, ElevationReason::kNotAnAdministrator);
  EXPECT_EQ(not_admin.non_install_switch, nullptr);

  for (const char* name : kNonInstallSwitches) {
    const CommandLine line =
        CommandLine::FromString(u"lite.exe --" + base::ASCIIToUTF16(name) + u"=1");
    const ElevationDecision decision = DecideElevation(true, line);
    EXPECT_EQ(decision.reason, ElevationReason::kNonInstallSwitch) << name;
    EXPECT_STREQ(decision.non_install_switch, name);
  }
  // Several at once: the first of the table is named, not the first given.
  const ElevationDecision both =
      DecideElevation(true, CommandLine::FromString(u"lite.exe --pttw0 --set-as-default-browser"));
  EXPECT_STREQ(both.non_install_switch, "set-as-default-browser");
  EXPECT_EQ(std::size(kNonInstallSwitches), 17u);
}

}  // namespace
}  // namespace lite_installer
