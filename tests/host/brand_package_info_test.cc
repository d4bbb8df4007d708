#include "installer/lite_installer/config/brand_package_info.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "installer/service_origins.h"
#include "tests/host/fake_registry.h"
#include "tests/support/log_capture.h"

namespace {

using test::LogCapture;

// Packages are "cabinets" whose bytes are "name=contents" for one file.
class FakeBrandPlatform : public BrandPlatform {
 public:
  std::string LoadPackage(uint16_t id) override {
    lookups.push_back("#" + std::to_string(id));
    return numbered[id];
  }
  std::string LoadPackage(const std::string& name) override {
    lookups.push_back(name);
    return named[name];
  }
  bool WriteFile(const base::String16& path, std::string_view bytes) override {
    if (unwritable.count(path))
      return false;
    files[path] = std::string(bytes);
    return true;
  }
  void RemoveFile(const base::String16& path) override { files.erase(path); }
  bool ExtractCabinet(std::string_view cabinet,
                      const std::string& wanted,
                      CabinetFiles* out) override {
    out->clear();
    const size_t equals = cabinet.find('=');
    if (equals == std::string_view::npos)
      return false;
    const std::string name(cabinet.substr(0, equals));
    if (wanted.empty() || wanted == name)
      (*out)[name] = std::string(cabinet.substr(equals + 1));
    return true;
  }
  std::string UserRegion() override { return region; }
  uint16_t UserInterfaceLanguage() override { return ui_language; }
  installer::RegistryValues* Registry() override { return &registry; }

  std::map<uint16_t, std::string> numbered;
  std::map<std::string, std::string> named;
  std::vector<std::string> lookups;
  std::map<base::String16, std::string> files;
  std::set<base::String16> unwritable;
  std::string region;
  uint16_t ui_language = 1033;
  test::FakeRegistry registry;
};

class BrandPackageInfoTest : public ::testing::Test {
 protected:
  FakeBrandPlatform platform_;
  BrandPackageInfo brand_{u"C:\\T\\", &platform_};
  LogCapture log_;
};

TEST_F(BrandPackageInfoTest, PartnerWinsStringsAndTriStatesBrandWinsFeatureFlags) {
  brand_.ApplyBrandInfo(R"({
    "brand_id": "partner_brand", "install": {"send_statistics": false},
    "overridden_features": {"InstallerDarkTheme2024": {"enabled": false},
                            "ProgramFilesInstallation": {"enabled": true}},
    "forced_testids": ["10/a"]
  })");
  brand_.ApplyBrandInfo(R"({
    "brand_id": "velnor", "brand_name": "Velnor", "partner_id": 5,
    "install": {"send_statistics": true, "make_browser_default": false},
    "overridden_features": {"InstallerDarkTheme2024": {"enabled": true},
                            "ProgramFilesInstallation": {"enabled": "yes"}},
    "forced_testids": ["20"]
  })");
  const BrandInfo& info = brand_.info();
  EXPECT_EQ(info.brand_id, "partner_brand");
  EXPECT_EQ(info.brand_name, "Velnor");
  EXPECT_EQ(info.partner_id, "");  // a number is no string
  EXPECT_EQ(info.send_statistics, kTriStateFalse);
  EXPECT_EQ(info.make_browser_default, kTriStateFalse);
  EXPECT_TRUE(info.dark_theme_enabled);
  EXPECT_TRUE(info.program_files_installation);  // "yes" is no boolean
  EXPECT_EQ(info.test_ids, (TestIdList{{"10", "a"}}));
  EXPECT_TRUE(log_.Has("INFO: InstallerDarkTheme2024: enabled = 1"));
  EXPECT_TRUE(log_.Has("INFO: ProgramFilesInstallation: enabled=1"));
}

TEST_F(BrandPackageInfoTest, InstallFallbackAndPin) {
  brand_.ApplyBrandInfo(R"({"install": {"setup_url_version": "v"}, "setup_url": "top",
                            "pin": true})");
  EXPECT_EQ(brand_.info().setup_url, "top");
  EXPECT_EQ(brand_.info().setup_url_version, "v");
  EXPECT_FALSE(brand_.info().pin_enabled);
  brand_.ApplyBrandInfo(R"({"install": {"pin": 0}})");
  EXPECT_TRUE(brand_.info().pin_enabled);
  EXPECT_TRUE(log_.Has("INFO: Found install.pin"));
}

TEST_F(BrandPackageInfoTest, MalformedConfigurationChangesNothing) {
  brand_.ApplyBrandInfo("c2lnbmF0dXJl\r\n{\"brand_id\": \"x\"}");
  brand_.ApplyBrandInfo("[1]");
  EXPECT_EQ(brand_.info().brand_id, "");
  const std::vector<std::string> lines = log_.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].rfind("ERROR: Failed to load json : Line: 1, column: ", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("ERROR: Incorrect format of json - ", 0), 0u) << lines[1];
  EXPECT_EQ(log_.records()[0].function, "BrandPackageInfo::ApplyBrandInfo");
}

TEST_F(BrandPackageInfoTest, TestIdsAndTheirLog) {
  brand_.ApplyBrandInfo(R"({"forced_testids": ["123/-1", "123/4/5", " 7 / x ", 8, "/", "9/"]})");
  EXPECT_EQ(brand_.info().test_ids, (TestIdList{{"123", ""}, {"7", "x"}, {"9", ""}}));
  brand_.FillDefaults();
  EXPECT_TRUE(log_.Has("INFO: Test ids: 123, 7/x, 9"));
}

TEST_F(BrandPackageInfoTest, DefaultsAndTheirLog) {
  platform_.ui_language = 1058;
  brand_.FillDefaults();
  const BrandInfo& info = brand_.info();
  const std::string download = installer::kDownloadOrigin;
  EXPECT_EQ(info.brand_id, "velnor");
  EXPECT_EQ(info.brand_name, "velnor");
  EXPECT_EQ(info.setup_url, download + "/browser/velnor/browser-setup.arc");
  EXPECT_EQ(info.scenarios_url, download + "/browser/installer/orvel/scenarios/");
  EXPECT_EQ(info.license_url, std::string(installer::kLegalOrigin) + "/browser_agreement/");
  EXPECT_EQ(info.language, "uk");
  EXPECT_EQ(info.language_id, 1058);
  EXPECT_EQ(info.webntp_url, installer::kWebNtpOrigin);
  const std::vector<std::string> lines = log_.Lines();
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[0], "INFO: Brand id: velnor");
  EXPECT_EQ(lines[12], "INFO: Show international title: 0");
  EXPECT_EQ(lines[13], "INFO: Send browser's statistics: 1");
  EXPECT_EQ(lines[14], "INFO: Make browser default after import: 1");
  EXPECT_EQ(lines[16], "INFO: Test ids: ");
  EXPECT_EQ(log_.records()[0].function, "(anonymous namespace)::LogBrandInfo");
}

TEST_F(BrandPackageInfoTest, SetupUrlDefaultUsesTheFinalBrandId) {
  brand_.ApplyBrandInfo(R"({"brand_id": "tb", "languages": {"interface": "tr"}})");
  brand_.FillDefaults();
  EXPECT_EQ(brand_.info().setup_url,
            std::string(installer::kDownloadOrigin) + "/browser/tb/browser-setup.arc");
  EXPECT_EQ(brand_.info().language_id, 1055);
}

TEST_F(BrandPackageInfoTest, QueryUrls) {
  brand_.ApplyBrandInfo(R"({"brand_id": "b", "urls": {"variations": "https://v.example/x?q=1",
                            "abt": "https://a.example/ab"}})");
  EXPECT_EQ(brand_.GetVariationsUrl("{UID}"),
            "https://v.example/x?q=1&brand=b&uid={UID}&version=24.10.4.931");
  EXPECT_EQ(brand_.GetAbtUrl(""), "https://a.example/ab?brand=b&version=24.10.4.931");
}

TEST_F(BrandPackageInfoTest, DefaultPackageWithoutBrandName) {
  platform_.numbered[319] = "brand_config={\"brand_id\": \"velnor\"}";
  platform_.registry.values["brand"] = u"stale";
  brand_.GetInfo("");
  EXPECT_EQ(platform_.lookups, (std::vector<std::string>{"#320", "#319"}));
  EXPECT_TRUE(brand_.has_brand_package());
  EXPECT_FALSE(brand_.has_partner_package());
  EXPECT_EQ(platform_.files[u"C:\\T\\BrandFile"], platform_.numbered[319]);
  EXPECT_EQ(brand_.info().brand_id, "velnor");
  EXPECT_TRUE(platform_.registry.values.empty());
  EXPECT_TRUE(log_.Has("WARNING: Partner package is empty."));
  EXPECT_TRUE(log_.Has("INFO: Fetching default package"));
  EXPECT_TRUE(log_.Has("INFO: Extract Brand package: C:\\T\\BrandFile [" +
                       std::to_string(platform_.numbered[319].size()) + "B]"));
  EXPECT_FALSE(log_.Has("User region"));
}

TEST_F(BrandPackageInfoTest, PartnerPackageIsAppliedFirst) {
  platform_.numbered[320] = "partner_config={\"brand_id\": \"partner\"}";
  platform_.numbered[319] = "brand_config={\"brand_id\": \"velnor\", \"brand_name\": \"V\"}";
  brand_.GetInfo("");
  EXPECT_EQ(brand_.info().brand_id, "partner");
  EXPECT_EQ(brand_.info().brand_name, "V");
  EXPECT_TRUE(brand_.has_partner_package());
  EXPECT_EQ(platform_.files[u"C:\\T\\PartnerFile"], platform_.numbered[320]);
  brand_.SaveToRegistry();
  EXPECT_EQ(platform_.registry.values["PartnerFile"], u"C:\\T\\PartnerFile");
  EXPECT_EQ(platform_.registry.values["BrandFile"], u"C:\\T\\BrandFile");
  EXPECT_EQ(platform_.registry.values["brand"], u"V");
}

TEST_F(BrandPackageInfoTest, PackageWithoutItsFileStillCounts) {
  platform_.numbered[319] = "not a cabinet";
  brand_.GetInfo("");
  EXPECT_TRUE(brand_.has_brand_package());
  EXPECT_EQ(brand_.info().brand_id, "");
}

TEST_F(BrandPackageInfoTest, UnwritablePackageFileIsNotHandedOnAndItsStaleFileGoes) {
  platform_.numbered[320] = "partner_config={\"brand_id\": \"partner\"}";
  platform_.numbered[319] = "brand_config={\"brand_name\": \"V\"}";
  platform_.files[u"C:\\T\\BrandFile"] = "an earlier run's package";
  platform_.files[u"C:\\T\\PartnerFile"] = "an earlier run's partner";
  platform_.unwritable = {u"C:\\T\\BrandFile", u"C:\\T\\PartnerFile"};
  brand_.GetInfo("");
  EXPECT_FALSE(brand_.has_brand_package());
  EXPECT_FALSE(brand_.has_partner_package());
  EXPECT_TRUE(platform_.files.empty());
  // The packages still configure this run from memory.
  EXPECT_EQ(brand_.info().brand_id, "partner");
  EXPECT_EQ(brand_.info().brand_name, "V");
  EXPECT_TRUE(log_.Has("ERROR: Failed to write package file C:\\T\\BrandFile"));
  brand_.SaveToRegistry();
  EXPECT_EQ(platform_.registry.values.count("PartnerFile"), 0u);
}

TEST_F(BrandPackageInfoTest, NamedAndAutodetectedPackages) {
  struct Case {
    std::string brand_name;
    std::string region;
    uint16_t ui_language;
    std::string resource;
  } cases[] = {
      {"Foo", "", 1033, "BRAND_FOO"},       {"AUTO", "", 1033, "BRAND_AUTO"},
      {"auto", "UA", 1049, "BRAND_UA_RU"},  {"auto", "RU", 1058, "BRAND_UA_UK"},
      {"auto", "US", 1033, "BRAND_VELNOR"}, {"auto", "", 1055, "BRAND_TB"},
  };
  for (const Case& c : cases) {
    platform_.lookups.clear();
    platform_.region = c.region;
    platform_.ui_language = c.ui_language;
    brand_.GetInfo(c.brand_name);
    EXPECT_EQ(platform_.lookups, (std::vector<std::string>{"#320", c.resource, "#319"}))
        << c.brand_name << " " << c.region;
  }
  EXPECT_TRUE(log_.Has("INFO: Detected brand-name: ua_ru"));
  EXPECT_TRUE(log_.Has("INFO: Fetching autodetected UA_RU package"));
  EXPECT_TRUE(log_.Has("INFO: Fetching defined FOO package"));
  EXPECT_TRUE(log_.Has("INFO: Didn't found brand-name. Use default: velnor"));
  EXPECT_TRUE(log_.Has("INFO: User locale: en"));
}

TEST(BrandInfoTest, LanguageTables) {
  EXPECT_EQ(LanguageIdFromCode("ru"), 1049);
  EXPECT_EQ(LanguageIdFromCode("RU"), 1033);
  EXPECT_EQ(LanguageIdFromCode("pt-BR"), 1046);
  EXPECT_EQ(LanguageIdFromCode("en"), 1033);
  EXPECT_EQ(LanguageCodeFromLanguageId(2052), "zh-CN");
  EXPECT_EQ(LanguageCodeFromLanguageId(1033), "en");
  EXPECT_EQ(LanguageCodeFromLanguageId(1044), "en");
}

}  // namespace
