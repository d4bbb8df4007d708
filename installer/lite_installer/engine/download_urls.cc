#include "installer/lite_installer/engine/download_urls.h"

#include "installer/lite_installer/config/brand_info.h"
#include "logging/log_message.h"

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
  if (kind == 1) {
    if (!brand.setup_url64.empty())
      urls.push_back({brand.setup_url64, kBrandUrlAttempts});
    else
      LOG(WARNING) << "Setup url x64 empty!";
  }
  if (versioned_url_allowed)
    urls.push_back({brand.setup_url_version, kBrandUrlAttempts});
  urls.push_back({brand.setup_url, kBrandUrlAttempts});
  if (urls.size() == 1)
    urls.front().attempts = kSingleUrlAttempts;
  return urls;
}

std::vector<DownloadUrl> GetDownloadUrls(const BrandInfo& brand,
                                         WindowsVersionClass windows,
                                         bool x64,
                                         bool versioned_url_allowed,
                                         const std::string& download_origin) {
  std::vector<DownloadUrl> urls;
  if (windows == kWindowsXP || windows == kWindowsVista) {
    urls.push_back(
        {download_origin + "/browser-partners/_xp_builds/browser-setup.arc", kLegacyUrlAttempts});
  } else {
    urls = GetDownloadUrlsFromBrandConfig(brand, windows, x64 ? 1 : 0, versioned_url_allowed,
                                          download_origin);
  }
  for (DownloadUrl& url : urls)
    url.url += "?from_installer=true";
  return urls;
}

bool IsInstallerYoungEnough(int64_t created_us, int64_t now_us) {
  return created_us != 0 && now_us - created_us < kVersionedUrlMaxAgeUs;
}

}  // namespace lite_installer
