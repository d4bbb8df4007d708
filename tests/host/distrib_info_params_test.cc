#include "installer/lite_installer/config/distrib_info_params.h"

#include <gtest/gtest.h>

#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/config/distrib_predicates.h"
#include "installer/lite_installer/engine/setup_command_line.h"
#include "tests/host/fake_registry.h"
#include "tests/support/log_capture.h"

namespace {

class FakeDistribPlatform : public DistribPlatform {
 public:
  base::String16 ExecutablePath() override { return executable; }
  std::string ExtractTagFromFakeCertificate(const base::String16&) override {
    ++tag_reads;
    return certificate_tag;
  }
  std::string ReadAppendedTag(const base::String16&) override {
    ++tag_reads;
    return appended_tag;
  }
  installer::RegistryValues* Registry() override { return &registry; }
  base::String16 TempDirectory() override { return u"C:\\T\\"; }
  bool WriteNewFile(const base::String16& path, std::string_view text) override {
    if (write_succeeds)
      files[path] = std::string(text);
    return write_succeeds;
  }
  void RemoveFile(const base::String16& path) override { files.erase(path); }

  base::String16 executable = u"C:\\D\\lite_installer.exe";
  std::string certificate_tag;
  std::string appended_tag;
  int tag_reads = 0;
  bool write_succeeds = true;
  test::FakeRegistry registry;
  std::map<base::String16, std::string> files;
};

DistribParamMap Parse(std::string_view text) {
  DistribParamMap params;
  ParseDistribParams(text, &params);
  return params;
}

TEST(ParseDistribParamsTest, Items) {
  EXPECT_EQ(Parse("a=1&b=&c&a=2"), (DistribParamMap{{"a", "2"}, {"b", ""}, {"c", ""}}));
  EXPECT_EQ(Parse("url=x=y"), (DistribParamMap{{"url", "x=y"}}));
  EXPECT_EQ(Parse("a=1&&b=%41"), (DistribParamMap{{"", ""}, {"a", "1"}, {"b", "%41"}}));
}

TEST(DistribInfoParamsTest, SwitchWinsAndTheTagIsNotRead) {
  FakeDistribPlatform platform;
  platform.certificate_tag = "from=tag";
  DistribInfoParams distrib(&platform);
  EXPECT_TRUE(
      distrib.Load(base::CommandLine::FromString(u"x --distr-info-params=b=2&a=\\\"1\\\"")));
  EXPECT_EQ(platform.tag_reads, 0);
  EXPECT_EQ(distrib.params(), (DistribParamMap{{"a", "\"1\""}, {"b", "2"}}));
  EXPECT_EQ(distrib.json_path(), u"C:\\T\\distrib_info");
  EXPECT_EQ(platform.files[u"C:\\T\\distrib_info"], R"({"a":"\"1\"","b":"2"})");
  EXPECT_EQ(platform.registry.values["DistribInfoParams"], u"b=2&a=\"1\"");
}

TEST(DistribInfoParamsTest, CertificateTagThenAppendedTag) {
  FakeDistribPlatform platform;
  platform.appended_tag = "partner_id=7";
  DistribInfoParams distrib(&platform);
  EXPECT_TRUE(distrib.Load(base::CommandLine::FromString(u"x")));
  EXPECT_EQ(platform.tag_reads, 2);
  std::string value;
  EXPECT_TRUE(distrib.GetValue("partner_id", &value));
  EXPECT_EQ(value, "7");
}

TEST(DistribInfoParamsTest, NothingToLoad) {
  FakeDistribPlatform platform;
  DistribInfoParams distrib(&platform);
  EXPECT_FALSE(distrib.Load(base::CommandLine::FromString(u"x")));
  EXPECT_TRUE(platform.registry.values.empty());
  EXPECT_TRUE(platform.files.empty());
  platform.executable.clear();
  EXPECT_FALSE(distrib.Load(base::CommandLine::FromString(u"x")));
}

TEST(DistribInfoParamsTest, UnwritableJsonIsLoggedAndNoStaleFileReachesTheSetup) {
  test::LogCapture log;
  FakeDistribPlatform platform;
  platform.files[u"C:\\T\\distrib_info"] = "{\"from\":\"an earlier run\"}";
  platform.write_succeeds = false;
  DistribInfoParams distrib(&platform);
  EXPECT_TRUE(distrib.Load(base::CommandLine::FromString(u"x --distr-info-params=a=1")));
  EXPECT_TRUE(log.Has("ERROR: Write json to file error - "));
  EXPECT_EQ(log.records().back().function, "(anonymous namespace)::CreateJsonFromDistribParams");
  EXPECT_EQ(distrib.json_path(), u"C:\\T\\distrib_info");
  EXPECT_TRUE(distrib.json_file().empty());
  EXPECT_TRUE(platform.files.empty());

  // A value that is not UTF-8 (the switch narrows each unit to a byte)
  // cannot be serialised: logged, and the earlier run's file goes.
  FakeDistribPlatform other;
  other.files[u"C:\\T\\distrib_info"] = "{\"from\":\"an earlier run\"}";
  DistribInfoParams narrowed(&other);
  EXPECT_TRUE(narrowed.Load(base::CommandLine::FromString(u"x --distr-info-params=a=\u00e9")));
  EXPECT_TRUE(log.Has("ERROR: Can't create json dump - "));
  EXPECT_TRUE(other.files.empty());
  lite_installer::SetupCommandLineInputs inputs;
  inputs.distrib = &narrowed;
  const std::string line =
      base::UTF16ToUTF8(lite_installer::BuildSetupCommandLine(inputs, u"C:\\T\\vb1.tmp", true)
                            .GetCommandLineString());
  EXPECT_EQ(line.find("distr-info-file"), std::string::npos) << line;

  FakeDistribPlatform written;
  DistribInfoParams fresh(&written);
  EXPECT_TRUE(fresh.Load(base::CommandLine::FromString(u"x --distr-info-params=a=1")));
  EXPECT_EQ(written.files[u"C:\\T\\distrib_info"], "{\"a\":\"1\"}");
  EXPECT_EQ(fresh.json_file(), u"C:\\T\\distrib_info");
}

TEST(DistribInfoParamsTest, TriStates) {
  DistribInfoParams distrib;
  distrib.mutable_params() = {{"one", "1"}, {"two", "2"}, {"three", "3"}, {"yes", "true"}};
  bool value = false;
  EXPECT_TRUE(distrib.GetTriState("one", &value));
  EXPECT_TRUE(value);
  EXPECT_TRUE(distrib.GetTriState("two", &value));
  EXPECT_FALSE(value);
  EXPECT_FALSE(distrib.GetTriState("three", &value));
  EXPECT_FALSE(distrib.GetTriState("yes", &value));
  EXPECT_FALSE(distrib.GetTriState("absent", &value));
}

class PredicatesTest : public ::testing::Test {
 protected:
  BrandPackageInfo brand_{u"", nullptr};
  DistribInfoParams distrib_;
  base::CommandLine command_line_ = base::CommandLine::FromString(u"x");
  void Set(DistribParamMap params) { distrib_.mutable_params() = std::move(params); }
};

TEST_F(PredicatesTest, CombineTestIds) {
  test::LogCapture log;
  brand_.info().test_ids = {{"1", "a"}, {"2", ""}};
  Set({{"testids", "2/b, 3,,4/5/6"}});
  EXPECT_EQ(lite_installer::CombineBrandAndDistribTestIds(brand_, distrib_),
            (TestIdList{{"1", "a"}, {"2", "b"}, {"3", ""}}));
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"INFO: Duplicate testid found: 2"}));
}

TEST_F(PredicatesTest, StatAndDef) {
  bool value = true;
  EXPECT_FALSE(HasDefValue(distrib_, &value));
  EXPECT_FALSE(GetStatValue(distrib_, &value));
  EXPECT_FALSE(value);
  Set({{"statpromo", "true"}});
  EXPECT_TRUE(GetStatValue(distrib_, &value));
  EXPECT_TRUE(value);
  Set({{"statpromo", "yes"}});
  EXPECT_TRUE(GetStatValue(distrib_, &value));
  EXPECT_FALSE(value);
  Set({{"stat", "1"}, {"statpromo", "false"}});
  EXPECT_TRUE(GetStatValue(distrib_, &value));
  EXPECT_TRUE(value);
}

TEST_F(PredicatesTest, FirstScreenOff) {
  Set({{"def", "1"}, {"stat", "1"}, {"first", "1"}});
  EXPECT_TRUE(IsFirstScreenOff(brand_, distrib_));
  Set({{"stat", "1"}, {"first", "1"}});
  EXPECT_FALSE(IsFirstScreenOff(brand_, distrib_));
  Set({{"def", "2"}, {"statpromo", "x"}});
  EXPECT_FALSE(IsFirstScreenOff(brand_, distrib_));
  brand_.info().first_screen_off = true;
  EXPECT_TRUE(IsFirstScreenOff(brand_, distrib_));
}

TEST_F(PredicatesTest, UacMode) {
  struct Case {
    DistribParamMap params;
    const char16_t* command_line;
    int mode;
  } cases[] = {
      {{}, u"x", 0},
      {{{"uac", "1"}}, u"x", 1},
      {{{"uac", "2"}}, u"x", 2},
      {{{"uac", "2"}}, u"x --program-files-installation", 0},
      {{{"uac", "2"}}, u"x --system-level", 0},
      {{{"uac", "5"}}, u"x", 0},
      {{{"uac", "-1"}}, u"x", 0},
      {{{"uac", "1x"}}, u"x", 0},
      {{{"uac", "99999999999"}}, u"x", 0},
      {{{"uac", "0"}}, u"x", 0},
      {{{"uac", "0"}, {"def", "1"}, {"stat", "1"}, {"first", "1"}}, u"x", 1},
      {{{"def", "1"}, {"stat", "1"}, {"first", "1"}}, u"x", 0},
  };
  for (const Case& c : cases) {
    Set(c.params);
    EXPECT_EQ(GetUacMode(brand_, distrib_, base::CommandLine::FromString(c.command_line)), c.mode)
        << base::UTF16ToUTF8(c.command_line) << " " << c.params.size();
  }
}

TEST_F(PredicatesTest, SetupOptions) {
  EXPECT_FALSE(ShowDefaultBrowserUiInSetup(brand_, distrib_));
  EXPECT_FALSE(IsUts2(distrib_));
  Set({{"defbruiinsp", "1"}, {"uts2", "1"}});
  EXPECT_TRUE(ShowDefaultBrowserUiInSetup(brand_, distrib_));
  EXPECT_TRUE(IsUts2(distrib_));
  Set({{"defbruiinsp", "true"}});
  brand_.info().default_browser_ui_in_setup = true;
  EXPECT_TRUE(ShowDefaultBrowserUiInSetup(brand_, distrib_));
}

TEST_F(PredicatesTest, VnpinTrialState) {
  test::LogCapture log;
  const auto state = [this](const char16_t* command_line) {
    return lite_installer::GetVnpinTrialState(distrib_, brand_,
                                              base::CommandLine::FromString(command_line));
  };
  EXPECT_EQ(state(u"x --vnpin-state=3"), 1);
  brand_.info().vnpin_trial_state = "2";
  EXPECT_EQ(state(u"x"), 1);
  EXPECT_TRUE(log.Has("WARNING: No install.pin for vnpin_state=2"));

  brand_.info().pin_enabled = true;
  EXPECT_EQ(state(u"x --vnpin-state=3"), 2);
  brand_.info().vnpin_trial_state.clear();
  EXPECT_EQ(state(u"x --vnpin-state=3"), 3);
  EXPECT_EQ(state(u"x --vnpin-state=7"), 0);
  EXPECT_EQ(state(u"x"), 0);
  Set({{"vnpin", "1"}});
  EXPECT_EQ(state(u"x"), 1);
  EXPECT_EQ(state(u"x --vnpin-state=abc"), 0);
}

}  // namespace
