// The progress screen: the built-in slide, the bar and its stage line, the
// taskbar button's progress, and the title of the variant without a first
// screen.
#include "installer/lite_installer/ui/lite_main_window_win.h"

#include "base/win/wide.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/language_id.h"
#include "installer/lite_installer/ui/progress_text.h"
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
  const bool russian = brand_->info().language_id == kLanguageIdRussian;
  if (windows8_or_later())
    slide_.Load(0, russian ? IDR_BUILTIN_SLIDE_RU : IDR_BUILTIN_SLIDE);
  else
    slide_.Load(0, russian ? IDR_BUILTIN_SLIDE_RU_JPEG : IDR_BUILTIN_SLIDE_JPEG);
  progress_bar_.Attach(::GetDlgItem(handle(), kProgressBarId));
  progress_bar_.SetImages(IDR_PROGRESS_FILL, IDR_PROGRESS_FILL_2X, IDR_PROGRESS_TRACK,
                          IDR_PROGRESS_TRACK_2X, &slide_);
  // The close and minimize buttons now sit on the slide.
  close_button_.SetBackground(&slide_);
  minimize_button_.SetBackground(&slide_);
  const RECT minimize = Place(layout_->MinimizeButtonRect());
  minimize_button_.PlaceAt(minimize.left, minimize.top);
  ::ShowWindow(minimize_button_.handle(), SW_SHOW);
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
  // PENDING: only the built-in slide is shown, so the show never moves on
  // and nothing needs repainting; the downloaded slides come with the slide
  // show of their own.
}

void LiteMainWindow::PaintProgressScreen(HDC dc) {
  RECT client;
  ::GetClientRect(handle(), &client);
  ::FillRect(dc, &client, theme_->slide_fill_brush());
  // The slide sits at the bottom-left corner.
  slide_.Draw(dc, 0, client.bottom - slide_.Height(), slide_.Width(), slide_.Height(), 0, 0,
              slide_.Width(), slide_.Height());
  if (title_marked_for_removal_) {
    const RECT logo = Place(layout_->LogoRect());
    progress_logo_.Draw(dc, logo.left, logo.top, progress_logo_.Width(), progress_logo_.Height(), 0,
                        0, progress_logo_.Width(), progress_logo_.Height());
  }
}

}  // namespace lite_installer
