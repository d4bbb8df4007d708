#include "installer/lite_installer/ui/slide_downloads.h"

#include "installer/lite_installer/config/brand_info.h"
#include "installer/service_origins.h"

namespace lite_installer {

base::String16 GetSlidesBaseUrl(const BrandInfo& brand) {
  if (!brand.slide_url.empty())
    return base::UTF8ToUTF16(brand.slide_url);
  return base::UTF8ToUTF16(std::string(installer::kDownloadOrigin) +
                           "/browser/installer/new-identity/" + brand.language + "/");
}

std::string SlideFileName(int number, bool png_allowed, bool windows8_or_later) {
  std::string name = std::to_string(number);
  if (number <= 9)
    name.insert(0, "0");
  return name + (png_allowed && windows8_or_later ? ".png" : ".jpg");
}

base::String16 SlideAddress(const base::String16& base, const std::string& file_name) {
  return base + u"x2/" + base::ASCIIToUTF16(file_name);
}

bool SlideDownloadFailures::Record(bool success) {
  in_a_row_ = success ? 0 : in_a_row_ + 1;
  return in_a_row_ < kSlideDownloadMaxFailures;
}

}  // namespace lite_installer
