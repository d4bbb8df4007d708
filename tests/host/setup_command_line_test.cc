#include "installer/lite_installer/engine/setup_command_line.h"

#include <gtest/gtest.h>

#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/config/distrib_info_params.h"
#include "tests/support/log_capture.h"

namespace lite_installer {
namespace {

class SetupCommandLineTest : public ::testing::Test {
 protected:
  SetupCommandLineTest() {
    brand_.info().brand_id = "b1";
    brand_.info().brand_name = "velnor";
    brand_.info().partner_id = "p1";
    inputs_.installer_command_line =
        base::CommandLine::FromString(u"lite.exe --silent --disablevnpin --lang=ru");
    inputs_.brand = &brand_;
    inputs_.distrib = &distrib_;
    inputs_.installer_data_path = u"C:\\T\\master_preferences";
    inputs_.clids_file_path = u"C:\\T\\clids.xml";
    inputs_.website_icon_path = u"C:\\T\\website.ico";
    inputs_.abt_config_path = u"C:\\T\\abt_config_resource";
    inputs_.test_ids = {{"100", "2"}, {"200", ""}};
    inputs_.install_start_time = 777;
  }

  std::string Build(bool with_file_switches) {
    return base::UTF16ToUTF8(BuildSetupCommandLine(inputs_, u"C:\\T\\vb1.tmp", with_file_switches)
                                 .GetCommandLineString());
  }

  BrandPackageInfo brand_{u"C:\\T\\", nullptr};
  DistribInfoParams distrib_;
  BackgroundTaskPaths tasks_;
  SetupCommandLineInputs inputs_;
};

TEST_F(SetupCommandLineTest, SilentRunWithFileSwitches) {
  tasks_.variations_update = u"C:\\T\\v.tmp";
  tasks_.abt_update = u"C:\\T\\a.tmp";
  inputs_.background_tasks = &tasks_;
  inputs_.send_statistics = true;
  EXPECT_EQ(Build(true),
            "\"C:\\T\\vb1.tmp\" --abt-config-resource-file=\"C:\\T\\abt_config_resource\" "
            "--abt-update-path=\"C:\\T\\a.tmp\" --brand-name=velnor "
            "--clids-file=\"C:\\T\\clids.xml\" --install-start-time-no-uac=777 "
            "--installer-brand-id=b1 --installer-partner-id=p1 "
            "--installerdata=\"C:\\T\\master_preferences\" --lang=ru --progress-window=0 "
            "--send-statistics --silent --testids=100/2;200 "
            "--variations-update-path=\"C:\\T\\v.tmp\" "
            "--velnor-website-icon-file=\"C:\\T\\website.ico\" --verbose-logging");
}

TEST_F(SetupCommandLineTest, UserChoicesReplaceTheInstallersOwnSwitches) {
  // The pin box decides, not the installer's own "disablevnpin".
  inputs_.install_pin = false;
  inputs_.make_default = true;
  inputs_.uac_declined = true;
  inputs_.progress_window = 0x1234;
  inputs_.ok_button_pressed_time = 55;
  inputs_.installation_type = "user";
  const std::string line = Build(true);
  EXPECT_NE(line.find(" --disablevnpin "), std::string::npos) << line;
  EXPECT_NE(line.find(" --make-browser-default-after-import "), std::string::npos) << line;
  EXPECT_NE(line.find(" --disable-uac "), std::string::npos) << line;
  EXPECT_NE(line.find(" --progress-window=4660 "), std::string::npos) << line;
  EXPECT_NE(line.find(" --ok-button-pressed-time=55 "), std::string::npos) << line;
  EXPECT_NE(line.find(" --browser-present=user "), std::string::npos) << line;
  inputs_.install_pin = true;
  EXPECT_EQ(Build(true).find("disablevnpin"), std::string::npos);
}

TEST_F(SetupCommandLineTest, PredicatesAndRunResult) {
  distrib_.mutable_params() = {{"uts2", "1"}, {"defbruiinsp", "1"}, {"uac", "2"}};
  inputs_.background_tasks = &tasks_;
  inputs_.run_result = false;
  const std::string line = Build(true);
  EXPECT_NE(line.find(" --show-uac-at-browser-start"), std::string::npos) << line;
  EXPECT_NE(line.find(" --use-task-scheduler2"), std::string::npos) << line;
  EXPECT_NE(line.find(" --enable-default-browser-ui"), std::string::npos) << line;
  EXPECT_NE(line.find(" --do-not-launch-browser"), std::string::npos) << line;
}

TEST_F(SetupCommandLineTest, ElevatedTemplateHasNoFileSwitches) {
  brand_.info().program_files_installation = true;
  inputs_.background_tasks = &tasks_;
  const std::string line = Build(false);
  for (const char* absent : {"--installerdata", "--clids-file", "--velnor-website-icon-file",
                             "--brand-package", "--partner-package"})
    EXPECT_EQ(line.find(absent), std::string::npos) << absent;
  EXPECT_NE(line.find(" --program-files-installation"), std::string::npos) << line;
  EXPECT_EQ(Build(true).find("program-files-installation"), std::string::npos);
  EXPECT_EQ(
      base::UTF16ToUTF8(BuildSetupCommandLine(inputs_, u"fake_browser_arc", false).GetProgram()),
      "fake_browser_arc");
}

TEST_F(SetupCommandLineTest, TaggedValuesCannotInjectSwitches) {
  // Test ids come from the distribution tag, which anyone can rewrite.
  inputs_.test_ids = {{"100", "2\t--do-not-launch-browser\t--x"}, {"7\r\n--y", ""}};
  const base::String16 line =
      BuildSetupCommandLine(inputs_, u"C:\\T\\vb1.tmp", true).GetCommandLineString();
  const base::CommandLine parsed = base::CommandLine::FromString(line);
  EXPECT_FALSE(parsed.HasSwitch("do-not-launch-browser")) << base::UTF16ToUTF8(line);
  EXPECT_FALSE(parsed.HasSwitch("x"));
  EXPECT_FALSE(parsed.HasSwitch("y"));
  EXPECT_EQ(base::UTF16ToUTF8(parsed.GetSwitchValueNative("testids")),
            "100/2\t--do-not-launch-browser\t--x;7\r\n--y");
}

TEST_F(SetupCommandLineTest, ValueWithNulIsDroppedWithAnError) {
  test::LogCapture log;
  inputs_.test_ids = {{std::string("100\0--evil", 10), ""}};
  const std::string line = Build(true);
  EXPECT_EQ(line.find("testids"), std::string::npos) << line;
  EXPECT_EQ(line.find('\0'), std::string::npos);
  // Everything after the dropped switch is still there.
  EXPECT_NE(line.find(" --verbose-logging"), std::string::npos) << line;
  EXPECT_TRUE(
      log.Has("ERROR: Parameter with a NUL character is dropped from the setup command line: "
              "testids"));
}

TEST(JoinTestIdsTest, Separators) {
  const TestIdList ids = {{"1", "a"}, {"2", ""}, {"3", "c"}};
  EXPECT_EQ(JoinTestIds(ids, ";"), "1/a;2;3/c");
  EXPECT_EQ(JoinTestIds(ids, "%3B"), "1/a%3B2%3B3/c");
  EXPECT_EQ(JoinTestIds({}, ";"), "");
}

}  // namespace
}  // namespace lite_installer
