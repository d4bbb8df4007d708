// The real installer's silent run against the local vendor services and the
// signed fake setup program: download, verification, setup run, statistics.
#include <gtest/gtest.h>

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <shlwapi.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>
#include "tests/support/fake_setup_protocol.h"
#include "tests/support/fake_setup_records_win.h"
#include "tests/support/files_win.h"
#include "tests/support/installer_run_win.h"
#include "tests/support/vendor_services_win.h"

namespace {

using nlohmann::json;

constexpr char kArchive64[] = "/browser/velnor/x64/browser-setup.arc";
// Six failed attempts with a 15 s pause after each.
constexpr DWORD kAllAttemptsMs = 200000;

std::map<std::string, std::string> RegistryNow() {
  std::map<std::string, std::string> values;
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Velnor\\VelnorBrowser", 0,
                      KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
    return values;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD length = 256;
    if (::RegEnumValueW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    values[std::string(name, name + length)] = "";
  }
  ::RegCloseKey(key);
  return values;
}

class SilentInstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Velnor\\VelnorBrowser");
    temp_ = test::MakeUniqueTempDir();
    record_ = temp_ + fake_setup::kRunRecordNameW;
    ::SetEnvironmentVariableW(fake_setup::kExitCodeEnvW, nullptr);
    ServeSetup("sha256");
  }

  void ServeSetup(const char* variant) { ASSERT_TRUE(test::ServeFakeSetup(temp_, variant)); }

  int Run(const std::wstring& arguments, DWORD timeout_ms = 90000) {
    ::DeleteFileW(record_.c_str());
    ::DeleteFileW((temp_ + L"lite_installer.log").c_str());
    test::InstallerRun run(L"--silent " + arguments, temp_);
    EXPECT_TRUE(run.started());
    const int exit_code = run.Wait(timeout_ms);
    log_ = run.LogRecords();
    return exit_code;
  }

  std::string SetupCommandLine() const { return test::ReadWholeFile(record_); }

  bool HasLog(const std::string& text) const { return test::Contains(log_, text); }

  test::VendorServices vendor_;
  std::wstring temp_;
  std::wstring record_;
  std::vector<std::string> log_;
};

TEST_F(SilentInstallTest, DownloadsVerifiesAndRunsTheSetup) {
  ::SetEnvironmentVariableW(fake_setup::kExitCodeEnvW, L"3");
  EXPECT_EQ(Run(L"--lang=en"), 3) << test::Joined(log_);

  // The setup saw every switch the installer hands it.
  const std::string line = SetupCommandLine();
  ASSERT_FALSE(line.empty()) << test::Joined(log_);
  for (const char* expected :
       {" --progress-window=0", " --verbose-logging", " --brand-name=velnor",
        " --installerdata=", "master_preferences", " --clids-file=", "clids.xml",
        " --velnor-website-icon-file=", "website.ico", " --brand-package=",
        " --abt-config-resource-file=", " --variations-update-path=", " --abt-update-path=",
        " --installer-brand-id=velnor", " --install-start-time-no-uac=", " --send-statistics",
        " --source=lite", " --silent", " --lang=en"}) {
    EXPECT_NE(line.find(expected), std::string::npos) << expected << " in " << line;
  }
  for (const char* absent : {"--variations-resource-file", "--disablevnpin", "--disable-uac",
                             "--make-browser-default-after-import", "--do-not-launch-browser"})
    EXPECT_EQ(line.find(absent), std::string::npos) << absent << " in " << line;

  // The archive as run is the archive as served.
  EXPECT_EQ(test::ReadWholeFile(temp_ + fake_setup::kRunImageNameW),
            test::ReadWholeFile(vendor_.DataPath(kArchive64)));

  // Registry values written before the run, removed after it but for the two
  // seed files.
  const auto before = test::FakeSetupRegistry(temp_);
  for (const char* name : {"InstallerData", "ClidsFile", "VelnorWebsiteIconFile",
                           "AbtConfigResourceFile", "install_stat", "brand", "BrandFile"})
    EXPECT_EQ(before.count(name), 1u) << name;
  EXPECT_NE(before.at("install_stat").find("new_ver\n24.10.4.931"), std::string::npos)
      << before.at("install_stat");
  const auto after = RegistryNow();
  for (const char* name : {"InstallerData", "ClidsFile", "VelnorWebsiteIconFile", "install_stat",
                           "brand", "BrandFile"})
    EXPECT_EQ(after.count(name), 0u) << name;
  EXPECT_EQ(after.count("AbtConfigResourceFile"), 1u);
  EXPECT_EQ(after.count("VariationsResourceFile"), 1u);

  // The archive and the package files are gone; the data files stay.
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((temp_ + L"vb*.tmp").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE);
  if (search != INVALID_HANDLE_VALUE)
    ::FindClose(search);
  EXPECT_EQ(::GetFileAttributesW((temp_ + L"BrandFile").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(::GetFileAttributesW((temp_ + L"master_preferences").c_str()), INVALID_FILE_ATTRIBUTES);

  EXPECT_EQ(test::FinishedResult(vendor_), "success");
  const std::vector<std::string> events = test::StatEventNames(vendor_.Records());
  const std::vector<std::string> expected = {"installer_started",        "download/started",
                                             "download_attempt/success", "download/finished",
                                             "setup/setup_exe_launched", "setup/setup_exe_exited"};
  EXPECT_EQ(events, expected) << ::testing::PrintToString(events);
  for (const json& record : vendor_.Records()) {
    const json vars = test::StatVars(record);
    if (vars.value("stage", "") == "setup_exe_exited") {
      EXPECT_FALSE(vars.contains("error")) << vars.dump();  // 3 counts as success
    }
    const std::string size =
        std::to_string(test::ReadWholeFile(vendor_.DataPath(kArchive64)).size());
    if (vars.value("action", "") == "installer_started") {
      EXPECT_EQ(vars.value("dpi", ""), "100");
      EXPECT_NE(vars.value("resolution", "").find('x'), std::string::npos);
    }
    if (vars.value("stage", "") == "finished") {
      EXPECT_TRUE(vars.contains("download_time")) << vars.dump();
    }
    if (vars.value("stage", "") == "setup_exe_launched") {
      EXPECT_TRUE(vars.contains("uac")) << vars.dump();
    }
    if (vars.value("stage", "") == "setup_exe_launched" ||
        vars.value("stage", "") == "setup_exe_exited") {
      EXPECT_EQ(vars.value("new_ver", ""), "24.10.4.931");
    }
    if (vars.value("action", "") == "download_attempt") {
      EXPECT_EQ(vars.value("downloaded_size", ""), size);
      EXPECT_EQ(vars.value("total_size", ""), size);
      EXPECT_EQ(vars.value("x64", ""), "1");
      EXPECT_EQ(vars.value("attempt_number", ""), "1");
      // The service decodes the twice-escaped URL once.
      EXPECT_NE(vars.value("url", "").find("%2Fx64%2Fbrowser%2Dsetup.arc%3Ffrom_installer%3Dtrue"),
                std::string::npos)
          << vars.dump();
    }
    if (!vars.empty()) {
      EXPECT_EQ(vars.value("brand_id", ""), "velnor");
      EXPECT_EQ(vars.value("lite_ver", ""), "24.10.4.931");
      EXPECT_EQ(vars.value("installer_type", ""), "lite");
      EXPECT_EQ(vars.value("old_style", ""), "0");
    }
  }
}

TEST_F(SilentInstallTest, MissingArchiveEndsWith401AfterEveryAttempt) {
  ASSERT_TRUE(vendor_.AddFault("/browser/:status=404"));
  EXPECT_EQ(Run(L"", kAllAttemptsMs), 401);
  EXPECT_TRUE(HasLog("ERROR: Max download attempts failed"));
  EXPECT_EQ(test::FinishedResult(vendor_), "failed");
  const std::vector<std::string> events = test::StatEventNames(vendor_.Records());
  std::vector<std::string> expected = {"installer_started", "download/started"};
  for (int attempt = 0; attempt < 6; ++attempt) {
    expected.push_back("download_attempt/failed");
    expected.push_back("download/error");
  }
  EXPECT_EQ(events, expected) << ::testing::PrintToString(events);
  EXPECT_TRUE(SetupCommandLine().empty());
  // A failed run cleans nothing up.
  EXPECT_EQ(RegistryNow().count("InstallerData"), 1u);
}

TEST_F(SilentInstallTest, DroppedConnectionIsResumed) {
  const std::string archive = test::ReadWholeFile(vendor_.DataPath(kArchive64));
  const size_t dropped_at = archive.size() * 6 / 10;
  ASSERT_TRUE(vendor_.AddFault(std::string(kArchive64) + ":drop=" + std::to_string(dropped_at) +
                               ",count=1"));
  EXPECT_EQ(Run(L""), 0) << test::Joined(log_);
  EXPECT_EQ(test::ReadWholeFile(temp_ + fake_setup::kRunImageNameW), archive);
  std::vector<std::string> ranges;
  for (const json& record : vendor_.Records()) {
    if (record.value("path", "") == kArchive64)
      ranges.push_back(record["range"].is_string() ? record["range"].get<std::string>() : "-");
  }
  const std::vector<std::string> expected = {"-", "bytes=" + std::to_string(dropped_at) + "-"};
  EXPECT_EQ(ranges, expected) << ::testing::PrintToString(ranges);
  EXPECT_EQ(test::FinishedResult(vendor_), "success");
}

TEST_F(SilentInstallTest, UntrustedOrTamperedArchiveIsNeverRun) {
  for (const char* variant : {"tampered", "untrusted"}) {
    SCOPED_TRACE(variant);
    ServeSetup(variant);
    test::VendorServices vendor;
    EXPECT_EQ(Run(L""), 402);
    EXPECT_TRUE(HasLog("ERROR: Module verification failed: "));
    EXPECT_TRUE(SetupCommandLine().empty());
    EXPECT_TRUE(vendor.WaitFor([](const json& record) {
      return test::StatVars(record).value("action", "") == "verification";
    }));
  }
}

TEST_F(SilentInstallTest, SetupExitCodes) {
  struct Case {
    const wchar_t* code;
    int exit_code;
    const char* error;
    const char* result;
  } cases[] = {{L"1", 1, "", "success"},
               {L"7", 7, "FailedToStart", "failed"},
               {L"8", 8, "FailedToStart", "failed"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "setup exit code " << c.exit_code);
    test::VendorServices vendor;
    ::SetEnvironmentVariableW(fake_setup::kExitCodeEnvW, c.code);
    EXPECT_EQ(Run(L""), c.exit_code);
    std::string error = "?";
    EXPECT_TRUE(vendor.WaitFor([&](const json& record) {
      const json vars = test::StatVars(record);
      if (vars.value("stage", "") != "setup_exe_exited")
        return false;
      error = vars.value("error", "");
      return true;
    }));
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(test::FinishedResult(vendor), c.result);
  }
}

TEST_F(SilentInstallTest, DoNotLaunchBrowserReachesTheSetup) {
  EXPECT_EQ(Run(L"--do-not-launch-browser"), 0);
  EXPECT_NE(SetupCommandLine().find(" --do-not-launch-browser"), std::string::npos);
}

}  // namespace
