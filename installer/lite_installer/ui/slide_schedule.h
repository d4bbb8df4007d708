// When the slide show moves on and where a slide is drawn: each slide stays
// its time, then the next index of the show comes (0, then 1, 2, ...); a
// slide sits at the bottom-left corner of the window.
#ifndef INSTALLER_LITE_INSTALLER_UI_SLIDE_SCHEDULE_H_
#define INSTALLER_LITE_INSTALLER_UI_SLIDE_SCHEDULE_H_

#include <cstdint>

#include "installer/lite_installer/ui/window_geometry.h"

namespace lite_installer {

// How long a slide stays, in milliseconds.
inline constexpr int kSlideTimeMs = 10000;
// The index the show moves to from the first slide.
inline constexpr int kFirstIndexAfterStart = 1;

class SlideSchedule {
 public:
  // Index 0, first shown at |now_us| (microseconds of a monotonic clock).
  explicit SlideSchedule(int64_t now_us, int slide_time_ms = kSlideTimeMs);

  // Moves to the next index once the current slide has been shown for at
  // least its time; the next slide is shown from |now_us|. True when the
  // index moved.
  bool Advance(int64_t now_us);

  int index() const { return index_; }

 private:
  const int slide_time_ms_;
  int index_ = 0;
  int64_t shown_at_us_;
};

// Where a |picture| (window pixels) is drawn in a |window|: along the
// bottom edge from the left, no wider than the window.
Rect SlideDestination(Size picture, Size window);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_SLIDE_SCHEDULE_H_
