// The pictures of the progress screen's slide show: the built-in slides,
// followed by the numbered pictures a thread of the pack downloads from the
// content server while the show runs. A failed or slow server only leaves
// the built-in slides in the show.
#ifndef INSTALLER_LITE_INSTALLER_UI_BACKGROUND_SLIDES_PACK_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_BACKGROUND_SLIDES_PACK_WIN_H_

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "base/strings.h"
#include "base/win/scoped_handle_win.h"
#include "installer/lite_installer/ui/resource_bitmap_win.h"
#include "installer/lite_installer/ui/slide_order.h"

namespace lite_installer {

// A slide is shared by the list and whoever shows it; nobody changes it
// once it is in the list.
using SlidePicture = std::shared_ptr<const ResourceBitmap>;

class BackgroundSlidesPack {
 public:
  // |built_in|: one or two pictures in show order (the first-screen-off
  // background first). |base_url| ends with "/"; the pictures are fetched
  // from <base_url>x2/02.png, 03.png, ... (".jpg" before Windows 8 or
  // without |png_allowed|). Starts the download thread.
  BackgroundSlidesPack(std::vector<SlidePicture> built_in,
                       const base::String16& base_url,
                       bool png_allowed);
  BackgroundSlidesPack(const BackgroundSlidesPack&) = delete;
  BackgroundSlidesPack& operator=(const BackgroundSlidesPack&) = delete;
  // Stops the downloads after the read in progress and returns once the
  // thread has left.
  ~BackgroundSlidesPack();

  // The picture for |index| of the show; null while the list is empty.
  // The show asks once per index, in order: the order depends on the
  // rounds already shown.
  SlidePicture GetSlide(int index);
  // Whether the last GetSlide gave the first-screen-off background.
  bool IsTitleSlideShown() const;

  size_t SlideCount() const;
  // Waits up to |timeout_ms| for the download thread to end by itself; true
  // when it has.
  bool WaitForDownloadsToEnd(DWORD timeout_ms) const;
  DWORD download_thread_id() const { return thread_id_; }

 private:
  static DWORD WINAPI ThreadMain(void* self);
  void DownloadSlides();
  // Fetches and decodes the next numbered picture and appends it to the
  // list; false when the download failed, took more than |limit_ms|, was
  // stopped, or did not give a picture.
  bool DownloadImage(DWORD limit_ms);

  const base::String16 base_url_;
  const bool png_allowed_;
  const bool windows8_or_later_;
  // Downloaded pictures are double resolution.
  const double draw_factor_;
  // Guards the list and the order.
  mutable std::mutex list_lock_;
  std::vector<SlidePicture> slides_;
  SlideOrder order_;
  // Held by the download thread for its whole life: acquiring it waits for
  // the thread to leave.
  std::mutex thread_lock_;
  std::atomic<bool> running_{true};
  base::win::ScopedHandle thread_;
  DWORD thread_id_ = 0;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_BACKGROUND_SLIDES_PACK_WIN_H_
