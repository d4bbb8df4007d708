#include "installer/lite_installer/engine/download_urls.h"

#include "installer/lite_installer/config/brand_info.h"

namespace lite_installer {

WindowsVersionClass ClassifyWindowsVersion(uint32_t major, uint32_t minor) {
  if (major < 5)
    return kWindowsPreXP;
  if (major == 5)
    return minor == 0 ? kWindowsPreXP : minor == 1 ? kWindowsXP : kWindowsServer2003;
  if (major == 6) {
    switch (minor) {
      case 0:
        return kWindowsVista;
      case 1:
        return kWindows7;
      case 2:
        return kWindows8;
      default:
        return kWindows81;
    }
  }
  return kWindows10;
}

std::vector<DownloadUrl> GetDownloadUrlsFromBrandConfig(const BrandInfo& brand,
                                                        WindowsVersionClass windows,
                                                        int kind,
                                                        bool versioned_url_allowed,
                                                        const std::string& download_origin) {
  std::vector<DownloadUrl> urls;
  if (windows >= kWindows7 && windows <= kWindows81) {
    std::string url = brand.setup_url_win7;
    if (url.empty()) {
      url = download_origin + "/browser/win7/" +
            (brand.brand_id.empty() ? std::string("velnor") : brand.brand_id) +
            "/browser-setup.arc";
    }
    urls.push_back({url, kWin7UrlAttempts});
  }
  if (kind == 1 && !IsArchitectureUrlMissing(brand, kind))
    urls.push_back({brand.setup_url64, kBrandUrlAttempts});
  if (versioned_url_allowed)
    urls.push_back({brand.setup_url_version, kBrandUrlAttempts});
  urls.push_back({brand.setup_url, kBrandUrlAttempts});
  if (urls.size() == 1)
    urls.front().attempts = kSingleUrlAttempts;
  return urls;
}

bool IsArchitectureUrlMissing(const BrandInfo& brand, int kind) {
  return kind == 1 && brand.setup_url64.empty();
}

bool IsLegacyWindows(WindowsVersionClass windows) {
  return windows == kWindowsXP || windows == kWindowsVista;
}

std::vector<DownloadUrl> LegacyDownloadUrls(const std::string& download_origin) {
  return {{download_origin + "/browser-partners/_xp_builds/browser-setup.arc", kLegacyUrlAttempts}};
}

void MarkAsFromInstaller(std::vector<DownloadUrl>* urls) {
  for (DownloadUrl& url : *urls)
    url.url += "?from_installer=true";
}

bool IsInstallerYoungEnough(int64_t created_us, int64_t now_us) {
  return created_us != 0 && now_us - created_us < kVersionedUrlMaxAgeUs;
}

}  // namespace lite_installer
