// The ordered list of setup archive URLs to try, with their attempt counts.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_DOWNLOAD_URLS_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_DOWNLOAD_URLS_H_

#include <cstdint>
#include <string>
#include <vector>

struct BrandInfo;

namespace lite_installer {

struct DownloadUrl {
  std::string url;
  int32_t attempts = 0;
};

// Windows releases as the URL choice sees them.
enum WindowsVersionClass : int {
  kWindowsPreXP = 0,
  kWindowsXP = 1,
  kWindowsServer2003 = 2,
  kWindowsVista = 3,
  kWindows7 = 4,
  kWindows8 = 5,
  kWindows81 = 6,
  kWindows10 = 7,
};
WindowsVersionClass ClassifyWindowsVersion(uint32_t major, uint32_t minor);

constexpr int32_t kWin7UrlAttempts = 1;
constexpr int32_t kBrandUrlAttempts = 3;
constexpr int32_t kSingleUrlAttempts = 6;
constexpr int32_t kLegacyUrlAttempts = 6;
// A versioned URL is tried only by an installer younger than this.
constexpr int64_t kVersionedUrlMaxAgeUs = 2592000000000;

// The brand's URLs: the Windows 7/8/8.1 URL, the architecture URL (kind 1),
// the versioned URL when |versioned_url_allowed|, the plain URL.
std::vector<DownloadUrl> GetDownloadUrlsFromBrandConfig(const BrandInfo& brand,
                                                        WindowsVersionClass windows,
                                                        int kind,
                                                        bool versioned_url_allowed,
                                                        const std::string& download_origin);

// Kind 1 wants the brand's 64-bit URL and the brand has none.
bool IsArchitectureUrlMissing(const BrandInfo& brand, int kind);

// XP and Vista get the legacy archive only.
bool IsLegacyWindows(WindowsVersionClass windows);
std::vector<DownloadUrl> LegacyDownloadUrls(const std::string& download_origin);

// Appends "?from_installer=true" to every URL, whatever it already holds.
void MarkAsFromInstaller(std::vector<DownloadUrl>* urls);

// The age rule for the versioned URL: |created_us| and |now_us| count from
// 1601-01-01 UTC; a creation time of 0 means unknown.
bool IsInstallerYoungEnough(int64_t created_us, int64_t now_us);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_DOWNLOAD_URLS_H_
