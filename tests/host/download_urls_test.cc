#include "installer/lite_installer/engine/download_urls.h"

#include <gtest/gtest.h>

#include "installer/lite_installer/config/brand_info.h"
#include "tests/support/log_capture.h"

namespace lite_installer {
namespace {

constexpr char kOrigin[] = "https://cdn.test";

BrandInfo Brand() {
  BrandInfo brand;
  brand.brand_id = "b1";
  brand.setup_url = "https://cdn.test/plain.arc";
  brand.setup_url64 = "https://cdn.test/x64.arc";
  brand.setup_url_version = "https://cdn.test/24.10/setup.arc";
  return brand;
}

std::string Describe(const std::vector<DownloadUrl>& urls) {
  std::string text;
  for (const DownloadUrl& url : urls)
    text += url.url + " x" + std::to_string(url.attempts) + "\n";
  return text;
}

TEST(DownloadUrlsTest, WindowsVersionsAndArchitectures) {
  struct Case {
    WindowsVersionClass windows;
    bool x64;
    bool versioned;
    const char* expected;
  } cases[] = {
      {kWindows10, true, true,
       "https://cdn.test/x64.arc?from_installer=true x3\n"
       "https://cdn.test/24.10/setup.arc?from_installer=true x3\n"
       "https://cdn.test/plain.arc?from_installer=true x3\n"},
      {kWindows10, false, false, "https://cdn.test/plain.arc?from_installer=true x6\n"},
      {kWindows10, false, true,
       "https://cdn.test/24.10/setup.arc?from_installer=true x3\n"
       "https://cdn.test/plain.arc?from_installer=true x3\n"},
      {kWindows7, false, false,
       "https://cdn.test/browser/win7/b1/browser-setup.arc?from_installer=true x1\n"
       "https://cdn.test/plain.arc?from_installer=true x3\n"},
      {kWindows81, true, false,
       "https://cdn.test/browser/win7/b1/browser-setup.arc?from_installer=true x1\n"
       "https://cdn.test/x64.arc?from_installer=true x3\n"
       "https://cdn.test/plain.arc?from_installer=true x3\n"},
      {kWindowsXP, true, true,
       "https://cdn.test/browser-partners/_xp_builds/browser-setup.arc?from_installer=true x6\n"},
      {kWindowsVista, false, false,
       "https://cdn.test/browser-partners/_xp_builds/browser-setup.arc?from_installer=true x6\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Describe(GetDownloadUrls(Brand(), c.windows, c.x64, c.versioned, kOrigin)),
              c.expected)
        << "windows class " << c.windows << " x64 " << c.x64 << " versioned " << c.versioned;
  }
}

TEST(DownloadUrlsTest, BrandWin7UrlAndMissingArchitectureUrl) {
  BrandInfo brand = Brand();
  brand.setup_url_win7 = "https://cdn.test/w7.arc";
  brand.setup_url64.clear();
  brand.brand_id.clear();
  test::LogCapture log;
  EXPECT_EQ(Describe(GetDownloadUrlsFromBrandConfig(brand, kWindows8, 1, false, kOrigin)),
            "https://cdn.test/w7.arc x1\nhttps://cdn.test/plain.arc x3\n");
  EXPECT_TRUE(log.Has("WARNING: Setup url x64 empty!"));
  brand.setup_url_win7.clear();
  EXPECT_EQ(GetDownloadUrlsFromBrandConfig(brand, kWindows7, 0, false, kOrigin).front().url,
            "https://cdn.test/browser/win7/velnor/browser-setup.arc");
  // An empty plain URL is still listed; the attempt fails and is reported.
  brand.setup_url.clear();
  EXPECT_EQ(Describe(GetDownloadUrlsFromBrandConfig(brand, kWindows10, 0, false, kOrigin)),
            " x6\n");
}

TEST(DownloadUrlsTest, ClassesAndInstallerAge) {
  EXPECT_EQ(ClassifyWindowsVersion(5, 1), kWindowsXP);
  EXPECT_EQ(ClassifyWindowsVersion(5, 2), kWindowsServer2003);
  EXPECT_EQ(ClassifyWindowsVersion(6, 0), kWindowsVista);
  EXPECT_EQ(ClassifyWindowsVersion(6, 1), kWindows7);
  EXPECT_EQ(ClassifyWindowsVersion(6, 3), kWindows81);
  EXPECT_EQ(ClassifyWindowsVersion(10, 0), kWindows10);
  const int64_t now = 13379000000000000;
  EXPECT_TRUE(IsInstallerYoungEnough(now - kVersionedUrlMaxAgeUs + 1, now));
  EXPECT_FALSE(IsInstallerYoungEnough(now - kVersionedUrlMaxAgeUs, now));
  EXPECT_FALSE(IsInstallerYoungEnough(0, now));
}

}  // namespace
}  // namespace lite_installer
