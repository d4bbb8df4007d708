#include "installer/lite_installer/ui/vendor_site_urls.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "installer/service_origins.h"

namespace lite_installer {

namespace {

// The parameters the download page carries on to the full installer.
constexpr std::array<std::string_view, 12> kDownloadPageKeys = {
    "banerid",    "beta",     "betacusto", "bgid",       "calypso", "custo",
    "expcalypso", "football", "lang",      "partner_id", "tablo",   "vnpartner_id",
};

struct CountrySite {
  std::string_view brand_id;
  const char* origin;
};

constexpr std::array<CountrySite, 3> kCountrySites = {{
    {"velnor_tr", installer::kBrowserSiteOriginTr},
    {"velnor_kz", installer::kBrowserSiteOriginKz},
    {"velnor_uz", installer::kBrowserSiteOriginUz},
}};

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

void AppendEscaped(std::string_view value, std::string* out) {
  constexpr char kHex[] = "0123456789ABCDEF";
  for (unsigned char c : value) {
    if (IsUnreserved(c)) {
      out->push_back(static_cast<char>(c));
    } else {
      out->push_back('%');
      out->push_back(kHex[c >> 4]);
      out->push_back(kHex[c & 0xF]);
    }
  }
}

}  // namespace

std::string BrowserSiteForBrand(const std::string& brand_id) {
  for (const CountrySite& site : kCountrySites) {
    if (site.brand_id == brand_id)
      return site.origin;
  }
  return installer::kBrowserSiteOrigin;
}

std::string BuildDownloadPageUrl(const std::string& site, const DistribParamMap& params) {
  std::string url = site + "/download?";
  // The map is ordered by key, so the parameters come out sorted.
  for (const auto& [key, value] : params) {
    if (std::find(kDownloadPageKeys.begin(), kDownloadPageKeys.end(), key) ==
        kDownloadPageKeys.end())
      continue;
    url += key;
    url += '=';
    AppendEscaped(value, &url);
    url += '&';
  }
  url += "full=1&code=lite_install_failed";
  return url;
}

std::string VendorSiteUrl(const std::string& site) {
  return site + "/?from=installer";
}

std::string FeedbackPageUrl(const std::string& site) {
  return site + "/feedback/?from=installer";
}

}  // namespace lite_installer
