#include "installer/lite_installer/ui/lite_main_window_win.h"

#include "base/win/wide.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/language_id.h"
#include "installer/lite_installer/ui/blended_text_win.h"
#include "installer/lite_installer/ui/dpi_scale_win.h"
#include "installer/lite_installer/ui/installation_window_theme.h"
#include "installer/velnor/util/default_browser_rules.h"
#include "logging/log_message.h"
#include "resources/resource_ids.h"

namespace lite_installer {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

LiteMainWindow::LiteMainWindow(BrandPackageInfo* brand,
                               DistribInfoParams* distrib,
                               bool create_installer)
    : MainWindow(brand, distrib) {
  CreateLayoutAndTheme();
  if (create_installer)
    CreateInstaller();
  // Without an Installer, or where the installer cannot make the browser
  // the default, the make-default box is neither shown nor checked.
  if (create_installer &&
      (!installer_ || !installer::win10_default_browser::CanMakeDefaultFromInstaller()))
    make_default_wanted_ = false;
}

LiteMainWindow::~LiteMainWindow() {
  RemoveKeyboardHook();
}

int LiteMainWindow::DoModal() {
  return DialogWindow::DoModal(::GetActiveWindow());
}

void LiteMainWindow::CreateLayoutAndTheme() {
  scale_ = GetDpiScale();
  const int variant = (make_default_wanted_ ? 1 : 0) + (send_stat_wanted_ ? 2 : 0);
  layout_.emplace(windows8_or_later(), variant, first_screen_off_);
  theme_.emplace(scale_, brand_->info().language_id);
}

RECT LiteMainWindow::Place(const Rect& design) const {
  const Rect placed = PlaceRect(design, scale_);
  return {placed.left, placed.top, placed.right, placed.bottom};
}

const ResourceBitmap* LiteMainWindow::CurrentPicture() const {
  if (!progress_up_)
    return &background_;
  return slides_ ? slides_->CurrentPicture() : nullptr;
}

void LiteMainWindow::LoadStrings() {
  ::SetWindowTextW(handle(), base::win::AsWide(String(IDS_WINDOW_TITLE)));
  title_text_ = String(first_screen_off_ ? IDS_FIRST_SCREEN_OFF_TITLE : IDS_FIRST_SCREEN_TITLE);
  install_text_ = String(IDS_INSTALL_BUTTON);
  make_default_text_ = String(IDS_MAKE_DEFAULT);
  send_stat_text_ = String(IDS_SEND_STATISTICS);
  if (send_stat_text_.empty() || send_stat_text_.back() != u'.')
    send_stat_text_ += u".";
  privacy_text_ = String(IDS_PRIVACY_POLICY);
  send_stat_text_ += u" ((" + privacy_text_ + u"))";
  if (pin_trial_state_ == 2 || pin_trial_state_ == 3)
    pin_text_ = String(IDS_PIN_TO_TASKBAR);
  stage_texts_[0] = String(IDS_STAGE_DOWNLOADING);
  stage_texts_[1] = String(IDS_STAGE_INSTALLING);
  stage_texts_[2] = String(IDS_STAGE_ALMOST_DONE);
  ::SetDlgItemTextW(handle(), kTitleId, base::win::AsWide(title_text_));

  if (windows8_or_later()) {
    background_.Load(
        0, first_screen_off_ ? IDR_FIRST_SCREEN_OFF_BACKGROUND_2X : IDR_FIRST_SCREEN_BACKGROUND_2X);
  } else {
    background_.Load(0, first_screen_off_ ? IDR_FIRST_SCREEN_OFF_BACKGROUND_JPEG_2X
                                          : IDR_FIRST_SCREEN_BACKGROUND_JPEG_2X);
  }
  const bool russian = brand_->info().language_id == kLanguageIdRussian;
  logo_.Load(russian ? IDR_LOGO_RU : IDR_LOGO, russian ? IDR_LOGO_RU_2X : IDR_LOGO_2X);
  minimize_placeholder_.Load(IDR_MINIMIZE_PLACEHOLDER, IDR_MINIMIZE_PLACEHOLDER_2X);
}

void LiteMainWindow::CreateFonts() {
  title_font_.Reset(theme_->CreateTitleFont());
  install_font_.Reset(theme_->CreateInstallButtonFont());
  body_font_.Reset(theme_->CreateBodyFont());
  licence_link_font_.Reset(theme_->CreateBodyFont());
  check_box_font_.Reset(theme_->CreateSmallFont());
  privacy_link_font_.Reset(theme_->CreateSmallFont());
}

void LiteMainWindow::ApplyWindowShape() {
  const int width = Scale(layout_->Width(), scale_);
  const int height = Scale(layout_->Height(), scale_);
  // Centred on the work area of the window's monitor, kept inside it.
  MONITORINFO monitor = {sizeof(monitor)};
  RECT work = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  if (::GetMonitorInfoW(::MonitorFromWindow(handle(), MONITOR_DEFAULTTONEAREST), &monitor))
    work = monitor.rcWork;
  int x = work.left + (work.right - work.left - width) / 2;
  int y = work.top + (work.bottom - work.top - height) / 2;
  x = std::max<int>(work.left, std::min<int>(x, work.right - width));
  y = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
  ::SetWindowPos(handle(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (windows8_or_later()) {
    const int ellipse = 2 * Scale(layout_->CornerRadius(), scale_);
    // The window owns the region once it is set.
    HRGN region = ::CreateRoundRectRgn(0, 0, width + 1, height + 1, ellipse, ellipse);
    if (region && !::SetWindowRgn(handle(), region, TRUE))
      ::DeleteObject(region);
  }
}

void LiteMainWindow::CreateControls() {
  HWND window = handle();
  install_button_.Attach(::GetDlgItem(window, kInstallButtonId), IDR_INSTALL_BUTTON, 0);
  install_button_.SetText(install_text_, install_font_.Get(), kWhite);
  install_button_.SetAccessibility(kAccessibleRolePushButton, install_text_);
  install_button_.SetBackground(&background_);
  close_button_.Attach(::GetDlgItem(window, kCloseButtonId), IDR_CLOSE_BUTTON, IDR_CLOSE_BUTTON_2X);
  close_button_.SetAccessibility(kAccessibleRolePushButton, String(IDS_CLOSE));
  close_button_.SetBackground(&background_);
  minimize_button_.Attach(::GetDlgItem(window, kMinimizeButtonId), IDR_MINIMIZE_BUTTON,
                          IDR_MINIMIZE_BUTTON_2X);
  minimize_button_.SetAccessibility(kAccessibleRolePushButton, String(IDS_COLLAPSE));

  struct Box {
    CustomCheckBox* box;
    int id;
    const base::String16* text;
    bool exists;
    bool checked;
  };
  const Box boxes[] = {
      {&make_default_check_, kMakeDefaultCheckId, &make_default_text_, true,
       make_default_wanted_ && brand_->info().IsMakeDefaultDefault()},
      {&send_stat_check_, kSendStatCheckId, &send_stat_text_, true,
       brand_->info().IsSendStatisticsDefault()},
      {&pin_check_, kPinCheckId, &pin_text_, pin_trial_state_ == 2 || pin_trial_state_ == 3,
       pin_trial_state_ == 2},
  };
  for (const Box& entry : boxes) {
    HWND control = ::GetDlgItem(window, entry.id);
    if (!entry.exists) {
      ::DestroyWindow(control);
      continue;
    }
    entry.box->Attach(control, IDR_CHECK_BOX_GLYPHS, IDR_CHECK_BOX_GLYPHS_2X);
    entry.box->SetLabel(*entry.text, check_box_font_.Get());
    entry.box->SetBackground(&background_);
    entry.box->SetChecked(entry.checked);
  }
  privacy_link_.Attach(::GetDlgItem(window, kPrivacyLinkId), privacy_text_,
                       privacy_link_font_.Get(), kPrivacyLinkAlpha, privacy_text_);
  privacy_link_.SetBackground(&background_);
}

CustomCheckBox* LiteMainWindow::CheckBox(int id) {
  switch (id) {
    case kMakeDefaultCheckId:
      return &make_default_check_;
    case kSendStatCheckId:
      return &send_stat_check_;
    case kPinCheckId:
      return &pin_check_;
    default:
      return nullptr;
  }
}

bool LiteMainWindow::IsCheckBoxChecked(int id) {
  CustomCheckBox* box = CheckBox(id);
  return box && box->handle() && box->IsChecked();
}

void LiteMainWindow::ToggleCheckBox(int id) {
  if (CustomCheckBox* box = CheckBox(id); box && box->handle())
    box->SetChecked(!box->IsChecked());
}

std::vector<int> LiteMainWindow::GetFirstScreenControlIds() {
  return {kInstallButtonId, kTitleId, kLicenceLinkId, kMakeDefaultCheckId, kSendStatCheckId,
          kPinCheckId,      2093,     2094,           kPrivacyLinkId,      kLicenceTextId};
}

bool LiteMainWindow::ProcessMessage(HWND window,
                                    UINT message,
                                    WPARAM wparam,
                                    LPARAM lparam,
                                    LRESULT* result) {
  if (message == WM_DESTROY) {
    RemoveKeyboardHook();
    shadow_.Hide();
  }
  return MainWindow::ProcessMessage(window, message, wparam, lparam, result);
}

bool LiteMainWindow::OnDrawItem(int id, const DRAWITEMSTRUCT& draw) {
  switch (id) {
    case kPrivacyLinkId:
      return privacy_link_.OnDrawItem(draw);
    case kLicenceLinkId:
      for (auto& link : licence_links_) {
        if (link->handle() == draw.hwndItem)
          return link->OnDrawItem(draw);
      }
      return false;
    case kTitleId:
    case kLicenceTextId:
    case kProgressTextId:
      return DrawStaticText(draw);
    default:
      return false;
  }
}

bool LiteMainWindow::DrawStaticText(const DRAWITEMSTRUCT& draw) {
  HFONT font = body_font_.Get();
  BYTE alpha = kProgressTextAlpha;
  const ResourceBitmap* picture = CurrentPicture();
  if (draw.CtlID == kTitleId) {
    font = title_font_.Get();
    alpha = kTitleAlpha;
  } else if (draw.CtlID == kLicenceTextId) {
    alpha = kLicenceTextAlpha;
  }
  POINT origin = {draw.rcItem.left, draw.rcItem.top};
  ::MapWindowPoints(draw.hwndItem, handle(), &origin, 1);
  DrawPictureUnder(draw.hDC, draw.rcItem, picture, origin);
  wchar_t text[512] = {};
  ::GetWindowTextW(draw.hwndItem, text, static_cast<int>(std::size(text)));
  DrawBlendedText(draw.hDC, draw.rcItem, base::win::FromWide(text), font, kBlack, alpha,
                  DT_WORDBREAK);
  return true;
}

LRESULT LiteMainWindow::OnCustomDraw(int id, const NMCUSTOMDRAW& draw) {
  switch (id) {
    case kInstallButtonId:
      return install_button_.OnCustomDraw(draw);
    case kCloseButtonId:
      return close_button_.OnCustomDraw(draw);
    case kMinimizeButtonId:
      return minimize_button_.OnCustomDraw(draw);
    default:
      if (CustomCheckBox* box = CheckBox(id))
        return box->OnCustomDraw(draw);
      return CDRF_DODEFAULT;
  }
}

void LiteMainWindow::OnNcActivate(bool active) {
  if (active)
    install_button_.ClearKeyboardCueFlag();
}

void LiteMainWindow::ShowShadow() {
  if (!::IsIconic(handle()) && ::IsWindowVisible(handle()))
    shadow_.Show();
}

void LiteMainWindow::HideShadow() {
  shadow_.Hide();
}

void LiteMainWindow::MoveShadow() {
  if (shadow_.handle())
    shadow_.MoveToOwner();
}

void LiteMainWindow::UpdateShadow() {
  if (!shadow_.handle())
    shadow_.Create(handle(), windows8_or_later(), scale_);
  shadow_.Update(CurrentPicture());
}

void LiteMainWindow::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(handle(), &paint);
  if (!::IsIconic(handle())) {
    RECT client;
    ::GetClientRect(handle(), &client);
    // Painted off screen and copied in one step, so nothing flickers.
    base::win::ScopedMemoryDC memory(::CreateCompatibleDC(dc));
    base::win::ScopedBitmap bitmap(::CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (memory.IsValid() && bitmap.IsValid()) {
      base::win::ScopedSelectObject select(memory.Get(), bitmap.Get());
      if (progress_up_)
        PaintProgressScreen(memory.Get());
      else
        PaintFirstScreen(memory.Get());
      ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
    }
  }
  ::EndPaint(handle(), &paint);
  ShowShadow();
}

}  // namespace lite_installer
