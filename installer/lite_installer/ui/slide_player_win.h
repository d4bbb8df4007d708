// Plays the progress screen's slide show: each slide of the pack stays ten
// seconds, drawn at the bottom-left corner of the window over the theme's
// fill, with no cross-fade. Owns the pack.
#ifndef INSTALLER_LITE_INSTALLER_UI_SLIDE_PLAYER_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_SLIDE_PLAYER_WIN_H_

#include <windows.h>

#include <cstdint>
#include <memory>

#include "installer/lite_installer/ui/background_slides_pack_win.h"
#include "installer/lite_installer/ui/slide_schedule.h"
#include "installer/lite_installer/ui/window_geometry.h"

namespace lite_installer {

// Microseconds of a monotonic clock.
using SlideClock = int64_t (*)();
int64_t MonotonicMicroseconds();

class SlidePlayer {
 public:
  // |window|: the window's size in pixels; |fill| (not owned) paints what
  // no slide covers. Shows the first slide at once.
  SlidePlayer(std::unique_ptr<BackgroundSlidesPack> pack,
              Size window,
              HBRUSH fill,
              SlideClock clock = &MonotonicMicroseconds);
  SlidePlayer(const SlidePlayer&) = delete;
  SlidePlayer& operator=(const SlidePlayer&) = delete;
  ~SlidePlayer();

  // On every tick of the window's timer: moves to the next slide once the
  // current one has had its time. True when the window must be repainted
  // (the picture shown changed).
  bool Advance();
  void Paint(HDC dc, const RECT& client) const;

  // Whether the show has left its first slide.
  bool HasMovedOn() const { return schedule_.index() != 0; }
  bool IsTitleSlideShown() const { return pack_->IsTitleSlideShown(); }
  // The picture shown now, valid until the next Advance; null when there is
  // none.
  const ResourceBitmap* CurrentPicture() const { return picture_.get(); }
  int current_index() const { return schedule_.index(); }
  BackgroundSlidesPack* pack() const { return pack_.get(); }

 private:
  void ShowSlide(int index);

  const std::unique_ptr<BackgroundSlidesPack> pack_;
  const Size window_;
  const HBRUSH fill_;
  const SlideClock clock_;
  SlideSchedule schedule_;
  SlidePicture picture_;
  Rect destination_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_SLIDE_PLAYER_WIN_H_
