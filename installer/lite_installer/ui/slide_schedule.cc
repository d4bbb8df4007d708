#include "installer/lite_installer/ui/slide_schedule.h"

#include <algorithm>

namespace lite_installer {

SlideSchedule::SlideSchedule(int64_t now_us, int slide_time_ms)
    : slide_time_ms_(slide_time_ms), shown_at_us_(now_us) {}

bool SlideSchedule::Advance(int64_t now_us) {
  if (now_us - shown_at_us_ < static_cast<int64_t>(slide_time_ms_) * 1000)
    return false;
  index_ = index_ == 0 ? kFirstIndexAfterStart : index_ + 1;
  shown_at_us_ = now_us;
  return true;
}

Rect SlideDestination(Size picture, Size window) {
  return {0, window.height - picture.height, std::min(picture.width, window.width), window.height};
}

}  // namespace lite_installer
