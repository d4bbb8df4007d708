#include "installer/lite_installer/ui/progress_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "resources/resource_ids.h"

namespace lite_installer {

namespace {

// Every step is stored in a volatile float: the 32-bit build computes on the
// x87 unit, which would otherwise keep the intermediate results in extended
// precision and truncate, say, 80.99999 where single precision gives 81.
int Blend(float part, float at_one, float at_zero) {
  volatile float high = part * at_one;
  volatile float rest = 1.0f - part;
  volatile float low = rest * at_zero;
  volatile float sum = high + low;
  return static_cast<int>(sum);
}

}  // namespace

int DownloadProgressPercent(float fraction) {
  if (std::isnan(fraction))
    fraction = 0.0f;
  return Blend(std::clamp(fraction, 0.0f, 1.0f), 40.0f, 5.0f);
}

int ImportProgressPercent(int import_percent) {
  volatile float part = static_cast<float>(std::clamp(import_percent, 0, 100)) / 100.0f;
  return Blend(part, 100.0f, 80.0f);
}

int InstallStageProgressPercent(int stage_code) {
  switch (stage_code) {
    case 5:
      return 75;
    case 7:
      return 79;
    default:
      return 0;
  }
}

ProgressStage ProgressStageFor(int percent) {
  if (percent <= 40)
    return ProgressStage::kDownloading;
  if (percent <= 90)
    return ProgressStage::kInstalling;
  return ProgressStage::kAlmostDone;
}

int ProgressStageStringId(ProgressStage stage) {
  switch (stage) {
    case ProgressStage::kDownloading:
      return IDS_STAGE_DOWNLOADING;
    case ProgressStage::kInstalling:
      return IDS_STAGE_INSTALLING;
    case ProgressStage::kAlmostDone:
      return IDS_STAGE_ALMOST_DONE;
  }
  return IDS_STAGE_DOWNLOADING;
}

base::String16 FormatProgressText(const base::String16& stage_text, int percent) {
  return stage_text + u" " + base::ASCIIToUTF16(std::to_string(percent)) + u"%";
}

int ProgressFillWidth(int width, int low, int high, int pos) {
  if (high <= low || width <= 0)
    return 0;
  pos = std::clamp(pos, low, high);
  const int64_t filled = static_cast<int64_t>(width) * (static_cast<int64_t>(pos) - low) /
                         (static_cast<int64_t>(high) - low);
  return static_cast<int>(filled);
}

}  // namespace lite_installer
