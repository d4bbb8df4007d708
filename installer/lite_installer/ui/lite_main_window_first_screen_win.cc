// The first screen: the licence line, the check boxes, the title and the
// Install button, its painting, the tab order and the arrow keys between
// Install and the licence link.
#include "installer/lite_installer/ui/lite_main_window_win.h"

#include "base/win/wide.h"
#include "installer/lite_installer/ui/gdi_text_measurer_win.h"
#include "installer/lite_installer/ui/installation_window_theme.h"
#include "installer/lite_installer/ui/text_flow.h"
#include "resources/resource_ids.h"

namespace lite_installer {

namespace {

// The hook procedure has no context; one installer window exists at a time.
LiteMainWindow* g_hooked_window = nullptr;

base::String16 WithoutTrailingPeriod(base::String16 text) {
  if (!text.empty() && text.back() == u'.')
    text.pop_back();
  return text;
}

}  // namespace

void LiteMainWindow::CreateLicenceLine() {
  const RECT area = Place(layout_->LicenceTextRect());
  base::win::ScopedGetDC dc(handle());
  GdiTextMeasurer measurer(dc.Get(), body_font_.Get());
  const int line_height = MeasureLineHeight(dc.Get(), body_font_.Get());
  const base::String16 licence = WithoutTrailingPeriod(String(IDS_LICENCE_TEXT));
  const TextFlow flow = FlowText(SplitLinkRuns(licence), measurer, area.right - area.left,
                                 line_height, LineAlign::kCentre);
  const base::String16 link_name = RemoveParentheses(String(IDS_LICENCE_LINK_NAME));
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  for (const TextPiece& piece : flow.pieces) {
    const int id = piece.is_link ? kLicenceLinkId : kLicenceTextId;
    const DWORD style = piece.is_link ? WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW
                                      : WS_CHILD | WS_VISIBLE | SS_OWNERDRAW;
    HWND control = ::CreateWindowExW(
        0, piece.is_link ? L"Button" : L"Static", base::win::AsWide(piece.text), style,
        area.left + piece.x, area.top + piece.y, piece.width, line_height, handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (!control)
      continue;
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(body_font_.Get()), FALSE);
    if (piece.is_link) {
      auto link = std::make_unique<LinkControl>();
      link->Attach(control, piece.text, licence_link_font_.Get(), kLicenceLinkAlpha, link_name);
      link->SetBackground(&background_);
      licence_links_.push_back(std::move(link));
    }
  }
}

void LiteMainWindow::LayoutFirstScreen() {
  HWND title = ::GetDlgItem(handle(), kTitleId);
  const RECT title_rect = Place(layout_->TitleRect());
  ::MoveWindow(title, title_rect.left, title_rect.top, title_rect.right - title_rect.left,
               title_rect.bottom - title_rect.top, FALSE);
  ::ShowWindow(title, SW_SHOW);
  LayoutCheckBoxes();
  const RECT install = Place(layout_->InstallButtonRect());
  install_button_.PlaceAt(install.left, install.top);
  ::ShowWindow(install_button_.handle(), SW_SHOW);
  const RECT close = Place(layout_->CloseButtonRect());
  close_button_.PlaceAt(close.left, close.top);
  ::ShowWindow(close_button_.handle(), SW_SHOW);
}

void LiteMainWindow::LayoutCheckBoxes() {
  HWND privacy = ::GetDlgItem(handle(), kPrivacyLinkId);
  int send_stat_bottom = -1;
  if (send_stat_wanted_ && send_stat_check_.handle()) {
    const RECT rect = Place(layout_->SendStatCheckRect());
    const int height = send_stat_check_.Layout(rect, privacy);
    send_stat_bottom = rect.top + height;
    ::ShowWindow(send_stat_check_.handle(), SW_SHOW);
    ::ShowWindow(privacy, SW_SHOW);
  } else {
    ::ShowWindow(privacy, SW_HIDE);
  }
  // The make-default box is never placed when elevation is never asked for.
  if (make_default_wanted_ && uac_mode_ != 2 && make_default_check_.handle()) {
    RECT rect = Place(layout_->MakeDefaultCheckRect());
    if (send_stat_bottom >= 0)
      rect.top = send_stat_bottom + Scale(4, scale_);
    make_default_check_.Layout(rect, nullptr);
    ::ShowWindow(make_default_check_.handle(), SW_SHOW);
  }
}

void LiteMainWindow::PaintFirstScreen(HDC dc) {
  background_.DrawAll(dc, 0, 0);
  const RECT logo = Place(layout_->LogoRect());
  logo_.Draw(dc, logo.left, logo.top, logo_.Width(), logo_.Height(), 0, 0, logo_.Width(),
             logo_.Height());
  const RECT minimize = Place(layout_->MinimizeButtonRect());
  minimize_placeholder_.Draw(dc, minimize.left, minimize.top, minimize_placeholder_.Width(),
                             minimize_placeholder_.Height(), 0, 0, minimize_placeholder_.Width(),
                             minimize_placeholder_.Height());
}

void LiteMainWindow::SetTabOrderAndKeyboardHook() {
  const int order[] = {kInstallButtonId, kLicenceLinkId,      kPrivacyLinkId, kSendStatCheckId,
                       kPinCheckId,      kMakeDefaultCheckId, kCloseButtonId};
  HWND previous = HWND_TOP;
  for (int id : order) {
    // Every control with the id, in creation order (the licence link's
    // segments share one).
    for (HWND child = ::GetWindow(handle(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      if (::GetDlgCtrlID(child) != id)
        continue;
      ::SetWindowPos(child, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      previous = child;
    }
  }
  if (!keyboard_hook_) {
    g_hooked_window = this;
    keyboard_hook_ =
        ::SetWindowsHookExW(WH_KEYBOARD, KeyboardHookProc, nullptr, ::GetCurrentThreadId());
  }
}

void LiteMainWindow::RemoveKeyboardHook() {
  if (!keyboard_hook_)
    return;
  ::UnhookWindowsHookEx(keyboard_hook_);
  keyboard_hook_ = nullptr;
  if (g_hooked_window == this)
    g_hooked_window = nullptr;
}

LRESULT CALLBACK LiteMainWindow::KeyboardHookProc(int code, WPARAM wparam, LPARAM lparam) {
  // Bit 31 of the key data: the key goes up. The hook sees both halves of a
  // press; the focus moves on the key going down only, so once per press.
  if (code == HC_ACTION && g_hooked_window &&
      g_hooked_window->OnHookKey(wparam, (lparam & 0x80000000) != 0)) {
    return 1;
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

bool LiteMainWindow::OnHookKey(WPARAM key, bool key_up) {
  HWND focus = ::GetFocus();
  if (!focus || progress_up_ || licence_links_.empty())
    return false;
  HWND install = install_button_.handle();
  HWND link = licence_links_.front()->handle();
  const bool back = key == VK_LEFT || key == VK_UP;
  const bool forward = key == VK_RIGHT || key == VK_DOWN;
  if (back && (focus == install || (key_up && focus == link))) {
    if (!key_up)
      ::SendMessageW(handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(link), TRUE);
    return true;
  }
  if (forward && (focus == link || (key_up && focus == install))) {
    if (!key_up)
      ::SendMessageW(handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(install), TRUE);
    return true;
  }
  return false;
}

}  // namespace lite_installer
