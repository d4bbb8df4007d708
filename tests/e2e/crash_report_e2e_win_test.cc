// The installer's own crash report: a test build crashes on request once the
// run's crash keys are set, and the local vendor services receive the report.
#include <windows.h>

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/files_win.h"
#include "tests/support/installer_run_win.h"
#include "tests/support/process_win.h"
#include "tests/support/vendor_services_win.h"

namespace {

TEST(CrashReportE2eTest, CrashCarriesTheRunsKeys) {
  test::VendorServices vendor;
  test::InstallerRun run(L"--silent --lite-test-crash --distr-info-params=partner=acme&lang=tr");
  ASSERT_TRUE(run.started());
  run.Wait(60000);
  nlohmann::json upload;
  ASSERT_TRUE(vendor.WaitFor([&](const nlohmann::json& record) {
    if (record.value("service", "") != "crash")
      return false;
    upload = record;
    return true;
  })) << "no crash report arrived";
  const auto fields = upload["fields"].get<std::map<std::string, std::string>>();
  EXPECT_EQ(fields.at("ptype"), "installer");
  EXPECT_EQ(fields.at("partner"), "acme");
  EXPECT_EQ(fields.at("lang"), "tr");
  EXPECT_EQ(fields.at("default_language"), "tr");
  EXPECT_FALSE(fields.at("brand_id").empty());
  EXPECT_FALSE(fields.at("brand_name").empty());
  for (const char* key : {"uid", "report_id", "ver", "plat", "prod", "gzip_enabled"})
    EXPECT_EQ(fields.count(key), 1u) << key;
  EXPECT_EQ(upload.value("status", 0), 200);
  EXPECT_GT(upload["files"]["upload_file_minidump"].value("size", 0), 1000);
  // Accepted: the dump is gone from the run's temporary directory.
  const std::string report_id = fields.at("report_id");
  EXPECT_TRUE(test::WaitUntil(
      [&] { return !test::FileExists(run.temp_dir() + test::Widen(report_id) + L".dmp"); }));
}

}  // namespace
