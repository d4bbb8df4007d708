// The vendor-site addresses the failure dialogs open: the download page of
// the full installer, the browser site and its feedback page.
#ifndef INSTALLER_LITE_INSTALLER_UI_VENDOR_SITE_URLS_H_
#define INSTALLER_LITE_INSTALLER_UI_VENDOR_SITE_URLS_H_

#include <string>

#include "installer/lite_installer/config/distrib_info_params.h"

namespace lite_installer {

// The browser site of the brand's country edition (the build's origins).
std::string BrowserSiteForBrand(const std::string& brand_id);

// site + "/download?" + the distribution parameters the download page
// understands, in key order, each "key=value&", then
// "full=1&code=lite_install_failed". Values come from the distribution tag,
// which anyone can rewrite: every byte outside the URL's unreserved set is
// percent-escaped, so a value cannot add parameters or leave the address.
std::string BuildDownloadPageUrl(const std::string& site, const DistribParamMap& params);

std::string VendorSiteUrl(const std::string& site);
std::string FeedbackPageUrl(const std::string& site);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_VENDOR_SITE_URLS_H_
