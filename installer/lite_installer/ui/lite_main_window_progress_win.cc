// The progress screen: the slide show, the bar and its stage line, the
// taskbar button's progress, and the title of the variant without a first
// screen.
#include "installer/lite_installer/ui/lite_main_window_win.h"

#include <memory>
#include <utility>
#include <vector>

#include "base/win/wide.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/language_id.h"
#include "installer/lite_installer/ui/progress_text.h"
#include "installer/lite_installer/ui/slide_downloads.h"
#include "resources/resource_ids.h"

namespace lite_installer {

void LiteMainWindow::PrepareProgressScreen() {
  if (!taskbar_.IsValid()) {
    ITaskbarList3* taskbar = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_ITaskbarList3, reinterpret_cast<void**>(&taskbar)))) {
      taskbar_.Reset(taskbar);
      taskbar_->SetProgressState(handle(), TBPF_NORMAL);
      taskbar_->SetProgressValue(handle(), 0, 100);
    }
  }
  if (!slides_)
    CreateSlidesPack();
  progress_bar_.Attach(::GetDlgItem(handle(), kProgressBarId));
  progress_bar_.SetImages(IDR_PROGRESS_FILL, IDR_PROGRESS_FILL_2X, IDR_PROGRESS_TRACK,
                          IDR_PROGRESS_TRACK_2X, slides_->CurrentPicture());
  // The close and minimize buttons now sit on the slide.
  HandSlideToControls();
  const RECT minimize = Place(layout_->MinimizeButtonRect());
  minimize_button_.PlaceAt(minimize.left, minimize.top);
  ::ShowWindow(minimize_button_.handle(), SW_SHOW);
}

void LiteMainWindow::CreateSlidesPack() {
  const bool russian = brand_->info().language_id == kLanguageIdRussian;
  auto load = [](int id_2x) {
    auto picture = std::make_shared<ResourceBitmap>();
    picture->Load(0, id_2x);
    return SlidePicture(std::move(picture));
  };
  std::vector<SlidePicture> built_in;
  // Without a first screen, its background opens the show as the title
  // slide.
  if (first_screen_off_) {
    built_in.push_back(load(windows8_or_later() ? IDR_FIRST_SCREEN_OFF_BACKGROUND_2X
                                                : IDR_FIRST_SCREEN_OFF_BACKGROUND_JPEG_2X));
  }
  if (windows8_or_later())
    built_in.push_back(load(russian ? IDR_BUILTIN_SLIDE_RU : IDR_BUILTIN_SLIDE));
  else
    built_in.push_back(load(russian ? IDR_BUILTIN_SLIDE_RU_JPEG : IDR_BUILTIN_SLIDE_JPEG));
  auto pack = std::make_unique<BackgroundSlidesPack>(std::move(built_in),
                                                     GetSlidesBaseUrl(brand_->info()), true);
  const Size window = {Scale(layout_->Width(), scale_), Scale(layout_->Height(), scale_)};
  slides_ = std::make_unique<SlidePlayer>(std::move(pack), window, theme_->slide_fill_brush());
}

void LiteMainWindow::HandSlideToControls() {
  const ResourceBitmap* picture = slides_->CurrentPicture();
  close_button_.SetBackground(picture);
  minimize_button_.SetBackground(picture);
  progress_bar_.SetBackground(picture);
}

void LiteMainWindow::LayoutProgressScreen() {
  const RECT minimize = Place(layout_->MinimizeButtonRect());
  minimize_button_.PlaceAt(minimize.left, minimize.top);
  HWND text = ::GetDlgItem(handle(), kProgressTextId);
  const RECT text_rect = Place(layout_->ProgressTextRect());
  ::MoveWindow(text, text_rect.left, text_rect.top, text_rect.right - text_rect.left,
               text_rect.bottom - text_rect.top, FALSE);
  ::ShowWindow(text, SW_SHOW);
  if (first_screen_off_) {
    HWND title = ::GetDlgItem(handle(), kTitleId);
    const RECT title_rect = Place(layout_->TitleRect());
    ::SetWindowTextW(title, base::win::AsWide(title_text_));
    ::MoveWindow(title, title_rect.left, title_rect.top, title_rect.right - title_rect.left,
                 title_rect.bottom - title_rect.top, FALSE);
    ::ShowWindow(title, SW_SHOW);
    const RECT close = Place(layout_->CloseButtonRect());
    close_button_.PlaceAt(close.left, close.top);
    ::ShowWindow(close_button_.handle(), SW_SHOW);
    title_marked_for_removal_ = true;
  }
  progress_logo_.Load(
      brand_->info().language_id == kLanguageIdRussian ? IDR_LOGO_RU : IDR_LOGO,
      brand_->info().language_id == kLanguageIdRussian ? IDR_LOGO_RU_2X : IDR_LOGO_2X);
}

void LiteMainWindow::ShowProgressBar() {
  HWND bar = progress_bar_.handle();
  const RECT rect = Place(layout_->ProgressBarRect());
  ::MoveWindow(bar, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
  progress_bar_.SetRange(0, 100);
  progress_bar_.SetPos(0);
  ::ShowWindow(bar, SW_SHOW);
}

void LiteMainWindow::OnProgress(int percent) {
  if (!progress_up_)
    return;
  if (first_value_received_ && percent == progress_bar_.GetPos())
    return;
  first_value_received_ = true;
  progress_bar_.SetPos(percent);
  const ProgressStage stage = ProgressStageFor(percent);
  const base::String16 line = FormatProgressText(stage_texts_[static_cast<int>(stage)], percent);
  HWND text = ::GetDlgItem(handle(), kProgressTextId);
  ::SetWindowTextW(text, base::win::AsWide(line));
  ::InvalidateRect(text, nullptr, TRUE);
  if (taskbar_.IsValid())
    taskbar_->SetProgressValue(handle(), static_cast<ULONGLONG>(percent), 100);
}

void LiteMainWindow::OnTimer() {
  if (!slides_)
    return;
  const bool changed = slides_->Advance();
  // The first-screen-off title belongs to the first slide only.
  if (title_marked_for_removal_ && slides_->HasMovedOn()) {
    title_marked_for_removal_ = false;
    if (HWND title = ::GetDlgItem(handle(), kTitleId))
      ::DestroyWindow(title);
  }
  if (!changed)
    return;
  HandSlideToControls();
  // Everything is painted over the slide: the window and every control,
  // without erasing (each paints its whole area).
  ::InvalidateRect(handle(), nullptr, FALSE);
  for (HWND child = ::GetWindow(handle(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    ::InvalidateRect(child, nullptr, FALSE);
  if (windows8_or_later())
    UpdateShadow();
}

void LiteMainWindow::PaintProgressScreen(HDC dc) {
  RECT client;
  ::GetClientRect(handle(), &client);
  if (slides_)
    slides_->Paint(dc, client);
  else
    ::FillRect(dc, &client, theme_->slide_fill_brush());
  // The logo belongs to the first-screen-off background.
  if (slides_ && slides_->IsTitleSlideShown()) {
    const RECT logo = Place(layout_->LogoRect());
    progress_logo_.Draw(dc, logo.left, logo.top, progress_logo_.Width(), progress_logo_.Height(), 0,
                        0, progress_logo_.Width(), progress_logo_.Height());
  }
}

}  // namespace lite_installer
