#include "installer/lite_installer/ui/slide_player_win.h"

#include <utility>

#include "logging/log_message.h"

namespace lite_installer {

int64_t MonotonicMicroseconds() {
  LARGE_INTEGER frequency = {};
  LARGE_INTEGER now = {};
  if (!::QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0 ||
      !::QueryPerformanceCounter(&now)) {
    return static_cast<int64_t>(::GetTickCount()) * 1000;
  }
  // Whole seconds and the rest apart, so that the product cannot overflow.
  const int64_t seconds = now.QuadPart / frequency.QuadPart;
  const int64_t rest = now.QuadPart % frequency.QuadPart;
  return seconds * 1000000 + rest * 1000000 / frequency.QuadPart;
}

SlidePlayer::SlidePlayer(std::unique_ptr<BackgroundSlidesPack> pack,
                         Size window,
                         HBRUSH fill,
                         SlideClock clock)
    : pack_(std::move(pack)), window_(window), fill_(fill), clock_(clock), schedule_(clock_()) {
  ShowSlide(0);
}

SlidePlayer::~SlidePlayer() = default;

bool SlidePlayer::Advance() {
  if (!schedule_.Advance(clock_()))
    return false;
  const SlidePicture before = picture_;
  ShowSlide(schedule_.index());
  LOG(INFO) << "Showing slide " << schedule_.index();
  return picture_ != before;
}

void SlidePlayer::ShowSlide(int index) {
  picture_ = pack_->GetSlide(index);
  const Size size = picture_ ? Size{picture_->Width(), picture_->Height()} : Size{};
  destination_ = SlideDestination(size, window_);
}

void SlidePlayer::Paint(HDC dc, const RECT& client) const {
  ::FillRect(dc, &client, fill_);
  if (!picture_ || destination_.IsEmpty())
    return;
  // Wider pictures are cut at the window's right edge, not scaled.
  picture_->Draw(dc, destination_.left, destination_.top, destination_.width(),
                 destination_.height(), 0, 0, destination_.width(), destination_.height());
}

}  // namespace lite_installer
