// The side downloads of an installation against the local vendor services.
#include "installer/lite_installer/engine/async_install_tasks_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "base/win/wide.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/config/distrib_info_params.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"
#include "tests/support/process_win.h"

namespace lite_installer {
namespace {

std::string BaseUrl() {
  const char* url = std::getenv("LITE_VENDOR_URL");
  return url ? url : "";
}

bool Exists(const base::String16& path) {
  return !path.empty() && ::GetFileAttributesW(base::win::AsWide(path)) != INVALID_FILE_ATTRIBUTES;
}

// Waits until |path| exists while the tasks run.
bool AppearsSoon(const base::String16& path) {
  return test::WaitUntil([&] { return Exists(path); });
}

class AsyncInstallTasksTest : public ::testing::Test {
 protected:
  AsyncInstallTasksTest() {
    brand_.info().brand_id = "b1";
    brand_.info().variations_url = BaseUrl() + "/files/seed";
    brand_.info().abt_url = BaseUrl() + "/files/seed";
  }
  BrandPackageInfo brand_{u"", nullptr};
  DistribInfoParams distrib_;
};

TEST_F(AsyncInstallTasksTest, DefaultsFetchBothSeedsAndRemoveThemAtTheEnd) {
  BackgroundTaskPaths paths;
  {
    AsyncInstallTasks tasks(&brand_, &distrib_);
    paths = tasks.paths();
    EXPECT_FALSE(paths.variations_update.empty());
    EXPECT_FALSE(paths.abt_update.empty());
    EXPECT_NE(paths.variations_update, paths.abt_update);
    EXPECT_TRUE(paths.webntp.empty());
    EXPECT_TRUE(paths.server_config_bundle.empty());
    EXPECT_TRUE(paths.preloaded_wallpaper_bundle.empty());
    EXPECT_TRUE(AppearsSoon(paths.variations_update));
    EXPECT_TRUE(AppearsSoon(paths.abt_update));
    EXPECT_NE(
        test::ReadWholeFile(base::win::AsWide(paths.abt_update)).find("variations_seed_base64"),
        std::string::npos);
  }
  EXPECT_FALSE(Exists(paths.variations_update));
  EXPECT_FALSE(Exists(paths.abt_update));
}

TEST_F(AsyncInstallTasksTest, DistributionChoosesTheItems) {
  distrib_.mutable_params() = {
      {"vup", "0"}, {"abtup", "2"}, {"webntp", "1"}, {"scup", "1"}, {"pwexp", "small.bin"}};
  brand_.info().preloaded_wallpapers_url = BaseUrl() + "/files/";
  BackgroundTaskPaths paths;
  {
    AsyncInstallTasks tasks(&brand_, &distrib_);
    paths = tasks.paths();
    EXPECT_TRUE(paths.variations_update.empty());
    EXPECT_TRUE(paths.abt_update.empty());
    // Only the name is reserved for the new-tab page item: nothing fills it.
    EXPECT_FALSE(paths.webntp.empty());
    EXPECT_FALSE(Exists(paths.webntp));
    EXPECT_TRUE(AppearsSoon(paths.server_config_bundle));
    EXPECT_TRUE(AppearsSoon(paths.preloaded_wallpaper_bundle));
  }
  // The wallpaper bundle stays for the setup; the configuration bundle goes.
  EXPECT_EQ(test::ReadWholeFile(base::win::AsWide(paths.preloaded_wallpaper_bundle)),
            "small answer");
  EXPECT_FALSE(Exists(paths.server_config_bundle));
  ::DeleteFileW(base::win::AsWide(paths.preloaded_wallpaper_bundle));
}

TEST_F(AsyncInstallTasksTest, WallpaperNameWithoutUrlIsReservedButNotFetched) {
  // The server configuration bundle is the task before the wallpaper bundle:
  // a wallpaper task would start (and fail on its URL-less address) the
  // moment the configuration bundle is in place, before the tasks are
  // destroyed and their thread joined.
  distrib_.mutable_params() = {{"vup", "0"}, {"abtup", "0"}, {"scup", "1"}, {"pwexp", "abc"}};
  test::LogCapture log;
  base::String16 wallpaper;
  {
    AsyncInstallTasks tasks(&brand_, &distrib_);
    wallpaper = tasks.paths().preloaded_wallpaper_bundle;
    EXPECT_FALSE(wallpaper.empty());
    EXPECT_TRUE(AppearsSoon(tasks.paths().server_config_bundle));
  }
  EXPECT_FALSE(Exists(wallpaper));
  EXPECT_FALSE(log.Has("wallpaper bundle"));
}

TEST_F(AsyncInstallTasksTest, AFailedBundleDownloadIsLoggedUnderTheTasksSourceName) {
  distrib_.mutable_params() = {{"vup", "0"}, {"abtup", "0"}, {"pwexp", "absent.bin"}};
  brand_.info().preloaded_wallpapers_url = BaseUrl() + "/files/";
  test::LogCapture log;
  AsyncInstallTasks tasks(&brand_, &distrib_);
  ASSERT_TRUE(log.WaitFor("ERROR: Failed to download wallpaper bundle: ", 20000));
  std::string function;
  for (const logging::LogRecord& record : log.records()) {
    if (record.message.starts_with("Failed to download wallpaper bundle: "))
      function = record.function;
  }
  EXPECT_EQ(function, "async_install_tasks");
}

TEST(ServerConfigBundleUrlTest, Query) {
  EXPECT_EQ(ServerConfigBundleUrl("https://c", "b1", ""), "https://c/configs/all_zip?brandID=b1");
  EXPECT_EQ(ServerConfigBundleUrl("https://c", "b1", "p 2"),
            "https://c/configs/all_zip?brandID=b1&partnerID=p 2");
  EXPECT_EQ(ServerConfigBundleUrl("https://c", "", "p"), "https://c/configs/all_zip?partnerID=p");
  EXPECT_EQ(ServerConfigBundleUrl("https://c", "", ""), "https://c/configs/all_zip");
}

}  // namespace
}  // namespace lite_installer
