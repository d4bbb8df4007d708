// The variations seed download against the local vendor services.
#include "installer/util/variations_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "base/win/wide.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"

namespace {

std::string BaseUrl() {
  const char* url = std::getenv("LITE_VENDOR_URL");
  return url ? url : "";
}

class VariationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring dir = test::MakeUniqueTempDir();
    path_ = base::win::FromWide(dir.c_str(), dir.size()) + u"variations.json";
  }
  std::string Written() { return test::ReadWholeFile(std::wstring(base::win::AsWide(path_))); }
  base::String16 path_;
};

TEST_F(VariationsTest, SeedWithItsHeadersIsSaved) {
  ASSERT_TRUE(installer::DownloadAndSaveVariations(BaseUrl() + "/files/seed", path_, nullptr));
  const nlohmann::json file = nlohmann::json::parse(Written());
  EXPECT_EQ(file,
            nlohmann::json({{"variations_country", "ru"},
                            {"variations_last_modified_time", "Tue, 03 Dec 2024 10:00:00 GMT"},
                            {"variations_seed_base64", "c2VlZCBieXRlcyABAg=="},
                            {"variations_seed_signature", "c2lnbmF0dXJl"}}));
}

TEST_F(VariationsTest, NoSignatureWritesNothing) {
  test::LogCapture log;
  EXPECT_FALSE(installer::DownloadAndSaveVariations(BaseUrl() + "/nosig/seed", path_, nullptr));
  EXPECT_EQ(Written(), "");
  EXPECT_TRUE(log.Has("ERROR: Failed to get variations seed signature"));
}

TEST_F(VariationsTest, NoCountryGivesAnEmptyCountry) {
  ASSERT_TRUE(
      installer::DownloadAndSaveVariations(BaseUrl() + "/files/seed_nocountry", path_, nullptr));
  const nlohmann::json file = nlohmann::json::parse(Written());
  EXPECT_EQ(file["variations_country"], "");
  EXPECT_EQ(file["variations_seed_base64"], "c2VlZA==");
}

TEST_F(VariationsTest, SeedPastOneMebibyteIsRefused) {
  ASSERT_TRUE(
      installer::DownloadAndSaveVariations(BaseUrl() + "/files/seed_at_limit", path_, nullptr));
  ::DeleteFileW(base::win::AsWide(path_));
  test::LogCapture log;
  EXPECT_FALSE(
      installer::DownloadAndSaveVariations(BaseUrl() + "/files/seed_over_limit", path_, nullptr));
  EXPECT_TRUE(log.Has("ERROR: Failed to download variations seed: write_file-223"))
      << testing::PrintToString(log.Lines());
  EXPECT_EQ(::GetFileAttributesW(base::win::AsWide(path_)), INVALID_FILE_ATTRIBUTES);
}

TEST_F(VariationsTest, FailedDownloadIsLogged) {
  test::LogCapture log;
  EXPECT_FALSE(installer::DownloadAndSaveVariations(BaseUrl() + "/missing/seed", path_, nullptr));
  EXPECT_TRUE(log.Has("ERROR: Failed to download variations seed: final_query_info-404-"));
  EXPECT_EQ(Written(), "");
}

}  // namespace
