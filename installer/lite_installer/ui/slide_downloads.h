// Where the slide show's pictures come from: the base address of the brand,
// the file name and address of each numbered picture, and when the download
// thread gives up.
#ifndef INSTALLER_LITE_INSTALLER_UI_SLIDE_DOWNLOADS_H_
#define INSTALLER_LITE_INSTALLER_UI_SLIDE_DOWNLOADS_H_

#include <string>

#include "base/strings.h"

struct BrandInfo;

namespace lite_installer {

// How long one picture may take, in milliseconds of a tick counter.
inline constexpr unsigned kSlideDownloadLimitMs = 5000;
// Failed downloads in a row after which the thread stops asking.
inline constexpr int kSlideDownloadMaxFailures = 10;

// The brand's slide address as it stands; without one, the download CDN's
// folder of the brand's interface language:
// <origin>/browser/installer/new-identity/<language>/.
base::String16 GetSlidesBaseUrl(const BrandInfo& brand);

// "02.png", "13.jpg": |number| with at least two digits; PNG when it is
// allowed and the system (Windows 8 or later) draws the PNG slides, JPEG
// otherwise.
std::string SlideFileName(int number, bool png_allowed, bool windows8_or_later);

// The double-resolution picture |file_name| under |base|.
base::String16 SlideAddress(const base::String16& base, const std::string& file_name);

// Counts the download attempts that failed in a row.
class SlideDownloadFailures {
 public:
  // Records an attempt's outcome; false once the failures in a row have
  // reached kSlideDownloadMaxFailures.
  bool Record(bool success);

 private:
  int in_a_row_ = 0;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_SLIDE_DOWNLOADS_H_
