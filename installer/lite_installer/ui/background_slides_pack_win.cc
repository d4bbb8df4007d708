#include "installer/lite_installer/ui/background_slides_pack_win.h"

#include <utility>

#include "installer/lite_installer/ui/dpi_scale_win.h"
#include "installer/lite_installer/ui/slide_downloads.h"
#include "installer/util/download_writer.h"
#include "installer/util/downloader_win.h"
#include "installer/util/windows_version.h"
#include "installer/util/windows_version_win.h"
#include "logging/log_message.h"

namespace lite_installer {

namespace {

// Far above any slide the server holds; an endless answer must not take the
// process's memory.
constexpr uint32_t kMaxSlideBytes = 16 * 1024 * 1024;

}  // namespace

BackgroundSlidesPack::BackgroundSlidesPack(std::vector<SlidePicture> built_in,
                                           const base::String16& base_url,
                                           bool png_allowed)
    : base_url_(base_url),
      png_allowed_(png_allowed),
      windows8_or_later_(installer::GetWindowVersionNumber() >= installer::kWindows8),
      draw_factor_(GetDpiScale() * 0.5),
      slides_(std::move(built_in)),
      order_(static_cast<int>(slides_.size())) {
  thread_.Reset(
      ::CreateThread(nullptr, 0, &BackgroundSlidesPack::ThreadMain, this, 0, &thread_id_));
  if (!thread_.IsValid())
    PLOG(ERROR) << "Failed to start downloading the background slides";
}

BackgroundSlidesPack::~BackgroundSlidesPack() {
  running_ = false;
  // The thread holds the lock until it leaves: a download in progress ends
  // after its current read.
  { std::lock_guard<std::mutex> join(thread_lock_); }
  // A thread that had not yet taken the lock sees the cleared flag and
  // leaves at once.
  if (thread_.IsValid())
    ::WaitForSingleObject(thread_.Get(), INFINITE);
  thread_.Reset();
  std::lock_guard<std::mutex> hold(list_lock_);
  slides_.clear();
}

SlidePicture BackgroundSlidesPack::GetSlide(int index) {
  std::lock_guard<std::mutex> hold(list_lock_);
  const int position = order_.PositionFor(index, slides_.size());
  return position < 0 ? nullptr : slides_[static_cast<size_t>(position)];
}

bool BackgroundSlidesPack::IsTitleSlideShown() const {
  std::lock_guard<std::mutex> hold(list_lock_);
  return order_.title_slide_shown();
}

size_t BackgroundSlidesPack::SlideCount() const {
  std::lock_guard<std::mutex> hold(list_lock_);
  return slides_.size();
}

bool BackgroundSlidesPack::WaitForDownloadsToEnd(DWORD timeout_ms) const {
  return !thread_.IsValid() || ::WaitForSingleObject(thread_.Get(), timeout_ms) == WAIT_OBJECT_0;
}

DWORD WINAPI BackgroundSlidesPack::ThreadMain(void* self) {
  static_cast<BackgroundSlidesPack*>(self)->DownloadSlides();
  return 0;
}

void BackgroundSlidesPack::DownloadSlides() {
  std::lock_guard<std::mutex> hold(thread_lock_);
  SlideDownloadFailures failures;
  while (running_) {
    if (!failures.Record(DownloadImage(kSlideDownloadLimitMs)))
      break;
  }
}

bool BackgroundSlidesPack::DownloadImage(DWORD limit_ms) {
  int number = 0;
  {
    std::lock_guard<std::mutex> hold(list_lock_);
    number = order_.NextDownloadNumber(slides_.size());
  }
  const base::String16 address =
      SlideAddress(base_url_, SlideFileName(number, png_allowed_, windows8_or_later_));

  // A read that waits longer than the whole limit cannot succeed anyway.
  installer::Downloader downloader(limit_ms);
  installer::StringDownloadWriter writer(kMaxSlideBytes);
  const DWORD opened_at = ::GetTickCount();
  if (!downloader.OpenDownload(address, &writer))
    return false;
  while (downloader.ReadChunk() != 0) {
    if (::GetTickCount() - opened_at > limit_ms)
      return false;
    if (!running_)
      return false;
  }
  if (!running_ || !downloader.FinalizeDownload())
    return false;

  auto picture = std::make_shared<ResourceBitmap>();
  if (!picture->LoadFromData(writer.data().data(), writer.data().size(), draw_factor_)) {
    LOG(ERROR) << "Failed to load a background slide bitmap from data downloaded from " << address;
    return false;
  }
  std::lock_guard<std::mutex> hold(list_lock_);
  slides_.push_back(std::move(picture));
  return true;
}

}  // namespace lite_installer
