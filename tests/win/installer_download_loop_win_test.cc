// The Installer's download attempt loop with a scripted download in place of
// the network and no wait between attempts: what a failed attempt leaves for
// the next one, the statistics each attempt sends, a stop during the wait
// and what the setup's exit codes 7 and 8 make of the installation.
#include "installer/lite_installer/engine/installer_win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <utility>

#include "base/win/wide.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/config/brand_platform_win.h"
#include "installer/lite_installer/config/distrib_info_params.h"
#include "installer/lite_installer/engine/installer_observer.h"
#include "installer/stats/install_stat_sender.h"
#include "installer/util/download_writer.h"
#include "tests/support/fake_setup_protocol.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"
#include "tests/support/process_win.h"
#include "tests/support/vendor_services_win.h"

namespace {

using nlohmann::json;

constexpr char kSetupUrl[] = "https://cdn.example/browser/velnor/browser-setup.arc";

// What the fake download does on one attempt.
struct Attempt {
  uint32_t written;  // bytes appended to the file
  uint32_t total;    // the size the "server" announced
  bool ok;
  uint32_t exception = 0;  // an exception inside the open call instead
  const char* dll = "";
  const char* proc = "";
};

Attempt Fail(uint32_t written, uint32_t total) {
  return {written, total, false};
}
Attempt Succeed(uint32_t written, uint32_t total) {
  return {written, total, true};
}

class RecordingObserver : public lite_installer::InstallerObserver {
 public:
  RecordingObserver() : error_seen(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  void OnDownloadProgress(float) override {}
  int OnSlowDownload() override { return 0; }
  void OnTimeLeft(int, int) override {}
  void OnInstallFinished(int) override { ++finished; }
  void OnInstallError(int result) override {
    error_result = result;
    ++errors;
    ::SetEvent(error_seen.Get());
  }
  uintptr_t GetWindowHandle() override { return 0; }
  void SetProgress(int) override {}
  void OnSetupStarted() override {}

  std::atomic<int> finished{0};
  std::atomic<int> errors{0};
  std::atomic<int> error_result{-1};
  base::win::ScopedHandle error_seen;
};

// The Installer with each download attempt played from |script|; the setup,
// when it runs, is the fake setup program.
class ScriptedInstaller : public Installer {
 public:
  ScriptedInstaller(BrandPackageInfo* brand,
                    lite_installer::InstallerObserver* observer,
                    std::vector<Attempt> script,
                    DistribInfoParams* distribution = nullptr)
      : Installer(observer, brand, distribution, false),
        script_(std::move(script)),
        retry_wait_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
        setup_exited_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

  using Installer::Install;

  // The attempt loop on the calling thread, into a new file at |path|.
  int DownloadInto(const std::wstring& path) {
    base::win::ScopedHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return DownloadModule(file.Get(), base::CommandLine());
  }

  // Set each time the loop begins a wait before the next attempt.
  HANDLE retry_wait() const { return retry_wait_.Get(); }
  HANDLE setup_exited() const { return setup_exited_.Get(); }

  uint32_t retry_delay_ms = 0;
  bool native_x64 = false;
  // The archive's path instead of a new temporary name, when set.
  base::String16 module_path;
  // The bytes already in the file when each attempt began.
  std::vector<uint32_t> sizes_at_start;
  std::atomic<int> retry_waits{0};
  std::string finished_report_url;
  std::vector<std::string> urls;

 protected:
  bool DownloadWithProgress(const std::string& url,
                            installer::DownloadWriter* writer,
                            std::string* error_text,
                            std::string*,
                            uint32_t* total_size,
                            installer::DownloadProgressDelegate*,
                            installer::DownloadErrorInfo* error_info) override {
    urls.push_back(url);
    sizes_at_start.push_back(writer->size());
    if (sizes_at_start.size() > script_.size()) {
      ADD_FAILURE() << "attempt " << sizes_at_start.size() << " is not in the script";
      *error_text = "unscripted";
      return false;
    }
    const Attempt& attempt = script_[sizes_at_start.size() - 1];
    // Each attempt writes its own letter, so the file shows what was kept.
    const std::string bytes(attempt.written, static_cast<char>('a' + sizes_at_start.size() - 1));
    writer->Write(reinterpret_cast<const uint8_t*>(bytes.data()), attempt.written);
    *total_size = attempt.total;
    if (attempt.exception != 0) {
      error_info->code = attempt.exception;
      error_info->dll_name = attempt.dll;
      error_info->proc_name = attempt.proc;
    }
    if (!attempt.ok)
      *error_text = "internet_read-12002";
    return attempt.ok;
  }
  uint32_t GetRetryDelay() override {
    ++retry_waits;
    ::SetEvent(retry_wait_.Get());
    return retry_delay_ms;
  }
  bool IsNativeX64() override { return native_x64; }
  base::String16 GetModulePath() override {
    return module_path.empty() ? Installer::GetModulePath() : module_path;
  }
  bool VerifyDownloadedModule(const base::String16&) override { return true; }
  bool RunModule(const base::String16&, const base::CommandLine& command_line) override {
    const char* fake_setup = std::getenv("LITE_FAKE_SETUP_EXE");
    const std::wstring path = test::FromUnixPath(fake_setup ? fake_setup : "");
    const bool ok =
        Installer::RunModule(base::win::FromWide(path.c_str(), path.size()), command_line);
    ::SetEvent(setup_exited_.Get());
    return ok;
  }
  // The installation-finished report, kept instead of sent.
  bool Download(const std::string& url,
                installer::DownloadWriter*,
                std::string*,
                std::string*) override {
    finished_report_url = url;
    return true;
  }

 private:
  const std::vector<Attempt> script_;
  base::win::ScopedHandle retry_wait_;
  base::win::ScopedHandle setup_exited_;
};

class InstallerDownloadLoopTest : public ::testing::Test {
 protected:
  InstallerDownloadLoopTest()
      : temp_(test::MakeUniqueTempDir()),
        brand_(base::win::FromWide(temp_.c_str(), temp_.size()), &platform_) {
    brand_.info().brand_id = "velnor";
    brand_.info().setup_url = kSetupUrl;
  }

  // The download and attempt events journaled since the test began, once
  // |count| of them arrived.
  std::vector<json> DownloadEvents(size_t count) {
    std::vector<json> events;
    vendor_.WaitFor([&](const json&) {
      events.clear();
      for (const json& record : vendor_.Records()) {
        const std::string action = test::StatVars(record).value("action", "");
        if (action == "download" || action == "download_attempt")
          events.push_back(test::StatVars(record));
      }
      return events.size() >= count;
    });
    return events;
  }

  const std::wstring temp_;
  BrandPlatformWin platform_;
  BrandPackageInfo brand_;
  test::VendorServices vendor_;
  test::LogCapture log_;
};

TEST_F(InstallerDownloadLoopTest, LessThanATenthStartsOverAndATenthOrMoreResumes) {
  // 9 of 100 bytes is below the tenth; exactly 10 is the tenth itself.
  ScriptedInstaller installer(&brand_, nullptr,
                              {Fail(9, 100), Fail(10, 100), Fail(50, 100), Succeed(30, 100)});
  const DWORD start = ::GetTickCount();
  EXPECT_EQ(installer.DownloadInto(temp_ + L"archive"), kInstallSuccess);
  EXPECT_LT(::GetTickCount() - start, 5000u);
  EXPECT_EQ(installer.sizes_at_start, (std::vector<uint32_t>{0, 0, 10, 60}));
  EXPECT_EQ(test::ReadWholeFile(temp_ + L"archive"),
            std::string(10, 'b') + std::string(50, 'c') + std::string(30, 'd'));
  EXPECT_EQ(installer.retry_waits.load(), 3);
}

TEST_F(InstallerDownloadLoopTest, EachAttemptSendsItsEventsWithTheBytesBeforeTruncation) {
  ScriptedInstaller installer(&brand_, nullptr, {Fail(5, 100), Fail(40, 100), Succeed(60, 100)});
  ASSERT_EQ(installer.DownloadInto(temp_ + L"archive"), kInstallSuccess);
  const std::vector<json> events = DownloadEvents(6);
  ASSERT_EQ(events.size(), 6u) << json(events).dump();
  EXPECT_EQ(events[0].value("stage", ""), "started");
  // A failed attempt: event 3 (failed) then event 4, numbered from 1.
  for (int attempt = 1; attempt <= 2; ++attempt) {
    const json& failed = events[2 * attempt - 1];
    const json& error = events[2 * attempt];
    EXPECT_EQ(failed.value("action", ""), "download_attempt");
    EXPECT_EQ(failed.value("status", ""), "failed");
    EXPECT_EQ(failed.value("attempt_number", ""), std::to_string(attempt));
    EXPECT_EQ(failed.value("total_size", ""), "100");
    // The statistics query carries "-" in a value as "_".
    EXPECT_EQ(failed.value("error", ""), "internet_read_12002");
    EXPECT_EQ(error.value("stage", ""), "error");
    EXPECT_EQ(error.value("error", ""),
              "attempt_" + std::to_string(attempt) + "_internet_read_12002");
  }
  // The first attempt's 5 bytes are reported although they were then
  // discarded; the second attempt started from nothing again.
  EXPECT_EQ(events[1].value("downloaded_size", ""), "5");
  EXPECT_EQ(events[3].value("downloaded_size", ""), "40");
  EXPECT_EQ(events[5].value("status", ""), "success");
  EXPECT_EQ(events[5].value("attempt_number", ""), "3");
  EXPECT_EQ(events[5].value("downloaded_size", ""), "100");
  EXPECT_FALSE(events[5].contains("error"));
}

TEST_F(InstallerDownloadLoopTest, TheOnlyUrlGetsSixAttemptsAndAWaitAfterTheLast) {
  std::vector<Attempt> script(6, Fail(50, 100));
  ScriptedInstaller installer(&brand_, nullptr, script);
  EXPECT_EQ(installer.DownloadInto(temp_ + L"archive"), kInstallNotDownloaded);
  EXPECT_EQ(installer.sizes_at_start.size(), 6u);
  EXPECT_EQ(installer.retry_waits.load(), 6);
  EXPECT_TRUE(log_.Has("ERROR: Max download attempts failed"));
  // Every attempt resumed: the file holds all six.
  EXPECT_EQ(test::ReadWholeFile(temp_ + L"archive").size(), 300u);
}

TEST_F(InstallerDownloadLoopTest, AnExceptionInTheOpenCallEndsTheDownloadAtOnce) {
  {
    ScriptedInstaller installer(&brand_, nullptr, {{0, 0, false, 0xC0000005}});
    EXPECT_EQ(installer.DownloadInto(temp_ + L"archive"), kInstallNotDownloaded);
    EXPECT_EQ(installer.sizes_at_start.size(), 1u);
    EXPECT_EQ(installer.retry_waits.load(), 0);
  }
  {
    ScriptedInstaller installer(
        &brand_, nullptr,
        {{0, 0, false, installer::kDelayLoadModuleNotFound, "cplib.dll", "CryptoProInit"}});
    EXPECT_EQ(installer.DownloadInto(temp_ + L"archive"), kInstallCryptoProConflict);
    EXPECT_EQ(installer.retry_waits.load(), 0);
  }
  EXPECT_TRUE(log_.Has("ERROR: Exception with code="));
  EXPECT_FALSE(log_.Has("Max download attempts failed"));
}

TEST_F(InstallerDownloadLoopTest, AStopDuringTheRetryWaitEndsTheLoopAtOnce) {
  RecordingObserver observer;
  ScriptedInstaller installer(&brand_, &observer, {Fail(50, 100), Succeed(50, 100)});
  installer.retry_delay_ms = 60000;
  ASSERT_TRUE(installer.InstallAsync());
  ASSERT_EQ(::WaitForSingleObject(installer.retry_wait(), 30000), WAIT_OBJECT_0);
  const DWORD start = ::GetTickCount();
  installer.IncrementStopRequests();
  EXPECT_TRUE(installer.WaitForInstallAsync());
  EXPECT_LT(::GetTickCount() - start, 5000u);
  EXPECT_EQ(installer.sizes_at_start.size(), 1u);
  EXPECT_TRUE(log_.Has("INFO: Installation stopped"));
  EXPECT_EQ(installer.GetExitCode(), lite_installer::kExitModuleNotObtained);
  EXPECT_EQ(observer.errors.load(), 0);
  EXPECT_NE(installer.finished_report_url.find("&result=cancelled"), std::string::npos)
      << installer.finished_report_url;
}

// A whole installation whose setup exits with |setup_exit_code|: the result
// the observer was shown (-1 for none) and the installer's exit code.
std::pair<int, int> InstallWithSetupExitCode(BrandPackageInfo* brand,
                                             const std::wstring& temp,
                                             const wchar_t* setup_exit_code,
                                             std::string* report_url) {
  ::SetEnvironmentVariableW(fake_setup::kExitCodeEnvW, setup_exit_code);
  ::SetEnvironmentVariableW(fake_setup::kRecordEnvW, (temp + L"record.txt").c_str());
  RecordingObserver observer;
  ScriptedInstaller installer(brand, &observer, {Succeed(100, 100)});
  EXPECT_TRUE(installer.InstallAsync());
  installer.StartInstallation();
  EXPECT_EQ(::WaitForSingleObject(installer.setup_exited(), 60000), WAIT_OBJECT_0);
  // A failed run shows its result before the wait for the browser's window.
  if (std::wstring(setup_exit_code) != L"3") {
    EXPECT_EQ(::WaitForSingleObject(observer.error_seen.Get(), 10000), WAIT_OBJECT_0);
  }
  // Ends the wait for the browser's window that follows a run.
  EXPECT_TRUE(installer.WaitForInstallAsync());
  ::SetEnvironmentVariableW(fake_setup::kExitCodeEnvW, nullptr);
  ::SetEnvironmentVariableW(fake_setup::kRecordEnvW, nullptr);
  EXPECT_FALSE(test::ReadWholeFile(temp + L"record.txt").empty()) << "the setup did not run";
  *report_url = installer.finished_report_url;
  return {observer.errors.load() ? observer.error_result.load() : -1, installer.GetExitCode()};
}

TEST_F(InstallerDownloadLoopTest, SetupExitCodesSevenAndEightFailWithResultsFiveAndSix) {
  std::string report;
  EXPECT_EQ(InstallWithSetupExitCode(&brand_, temp_, L"7", &report), std::make_pair(5, 7));
  EXPECT_NE(report.find("&result=failed"), std::string::npos) << report;
  EXPECT_EQ(InstallWithSetupExitCode(&brand_, temp_, L"8", &report), std::make_pair(6, 8));
  EXPECT_NE(report.find("&result=failed"), std::string::npos) << report;
  // Any other code is a completed run whose code the installer keeps.
  EXPECT_EQ(InstallWithSetupExitCode(&brand_, temp_, L"3", &report), std::make_pair(-1, 3));
  EXPECT_NE(report.find("&result=success"), std::string::npos) << report;
}

// Where |text| was logged: its index among the records (-1 when absent) and
// the function or source the record names.
std::pair<int, std::string> Logged(const test::LogCapture& log, const std::string& text) {
  const std::vector<logging::LogRecord> records = log.records();
  for (size_t i = 0; i < records.size(); ++i) {
    if (records[i].message.find(text) != std::string::npos)
      return {static_cast<int>(i), records[i].function};
  }
  return {-1, ""};
}

TEST_F(InstallerDownloadLoopTest, TheUrlListLogsInTheOrderItIsBuilt) {
  brand_.info().setup_url64.clear();
  brand_.info().setup_url_version = "https://cdn.example/browser/{version}/setup.arc";
  ScriptedInstaller installer(&brand_, nullptr, {Succeed(10, 10)});
  installer.native_x64 = true;
  ASSERT_EQ(installer.DownloadInto(temp_ + L"archive"), kInstallSuccess);
  EXPECT_EQ(installer.urls,
            std::vector<std::string>{std::string(kSetupUrl) + "?from_installer=true"});
  const auto [warning, warning_function] = Logged(log_, "Setup url x64 empty!");
  const auto [rejected, rejected_function] = Logged(log_, "Wrong setup url:");
  ASSERT_GE(warning, 0);
  ASSERT_GE(rejected, 0);
  // The architecture URL is judged before the versioned one.
  EXPECT_LT(warning, rejected);
  EXPECT_EQ(warning_function, "Installer::GetDownloadUrlsFromBrandConfig");
}

TEST_F(InstallerDownloadLoopTest, AFailedRepeatRunIsReportedAsSuch) {
  DistribInfoParams repeat;
  repeat.mutable_params() = {{"code", "lite_install_failed"}};
  {
    ScriptedInstaller installer(&brand_, nullptr, std::vector<Attempt>(6, Fail(0, 100)), &repeat);
    installer.Install();
    EXPECT_EQ(installer.GetExitCode(), lite_installer::kExitModuleNotObtained);
    EXPECT_EQ(base::UTF16ToUTF8(installer.stat_reporter()->GetStatParam(
                  installer::InstallStatSender::kInstallType)),
              "lite_install_failed");
  }
  // Without the mark a failed download leaves the type unset.
  ScriptedInstaller plain(&brand_, nullptr, std::vector<Attempt>(6, Fail(0, 100)));
  plain.Install();
  EXPECT_EQ(plain.stat_reporter()->GetStatParam(installer::InstallStatSender::kInstallType), u"");
}

TEST_F(InstallerDownloadLoopTest, ALockFailureIsLoggedWithoutASystemErrorText) {
  // Another writer opens the archive once it is downloaded, before the
  // go-ahead: the read lock cannot be taken. The run's first step makes the
  // installation id through COM, which can wait seconds for Wine's RPC
  // service: the wait for the download is generous.
  ScriptedInstaller installer(&brand_, nullptr, {Succeed(10, 10)});
  const std::wstring archive = temp_ + L"held.arc";
  installer.module_path = base::win::FromWide(archive.c_str(), archive.size());
  ASSERT_TRUE(installer.InstallAsync());
  base::win::ScopedHandle writer;
  ASSERT_TRUE(test::WaitUntil(
      [&] {
        writer.Reset(::CreateFileW(archive.c_str(), GENERIC_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        return writer.IsValid();
      },
      60000));
  installer.StartInstallation();
  EXPECT_TRUE(installer.WaitForInstallAsync());
  const auto [line, function] = Logged(log_, "Cannot lock file: ");
  ASSERT_GE(line, 0);
  EXPECT_EQ(log_.records()[line].message.find(" - "), std::string::npos)
      << log_.records()[line].message;
}

}  // namespace
