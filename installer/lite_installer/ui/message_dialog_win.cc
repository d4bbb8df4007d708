#include "installer/lite_installer/ui/message_dialog_win.h"

#include <shellapi.h>

#include "base/win/wide.h"
#include "installer/lite_installer/engine/lite_installer_helpers.h"
#include "installer/lite_installer/ui/accessible_control_win.h"
#include "installer/lite_installer/ui/string_table_win.h"
#include "logging/log_message.h"
#include "resources/resource_ids.h"

namespace lite_installer {

namespace {

constexpr char kDialogSource[] = "lite_installer::MessageDialog::RunFirstButtonAction";

void OpenAddress(const std::string& url) {
  LOG_AT(INFO, kDialogSource) << "Opening " << url;
  ::ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace

MessageDialog::MessageDialog(const MessageDialogContent& content,
                             const MessageDialogContext& context)
    : content_(content), context_(context) {}

MessageDialog::~MessageDialog() = default;

base::String16 MessageDialog::String(uint32_t id) const {
  return id ? LoadResourceString(id, context_.language_id) : base::String16();
}

base::String16 MessageDialog::BodyText() const {
  base::String16 text = String(content_.text);
  if (content_.text_ends_with_log_path)
    text += u"\r\n" + context_.log_path;
  return text;
}

Size MessageDialog::MeasureText(HWND window, const base::String16& text, HFONT font) const {
  if (text.empty())
    return {};
  base::win::ScopedGetDC dc(window);
  base::win::ScopedSelectObject select(dc.Get(), font);
  RECT rect = {0, 0, 0, 0};
  ::DrawTextW(dc.Get(), base::win::AsWide(text), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_NOPREFIX | DT_LEFT);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void MessageDialog::PlaceControl(HWND window, int id, const Rect& rect) const {
  HWND control = ::GetDlgItem(window, id);
  if (rect.IsEmpty()) {
    ::ShowWindow(control, SW_HIDE);
    return;
  }
  ::SetWindowPos(control, nullptr, rect.left, rect.top, rect.width(), rect.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void MessageDialog::CenterOnWorkArea(HWND window, Size size) const {
  HWND reference = ::GetWindow(window, GW_OWNER);
  HMONITOR monitor = ::MonitorFromWindow(reference ? reference : window, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  RECT area = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  if (::GetMonitorInfoW(monitor, &info))
    area = info.rcWork;
  const int x = area.left + (area.right - area.left - size.width) / 2;
  const int y = area.top + (area.bottom - area.top - size.height) / 2;
  ::SetWindowPos(window, nullptr, x, y, size.width, size.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MessageDialog::SetUpTexts(HWND window,
                               HFONT heading_font,
                               HFONT text_font,
                               COLORREF heading_color,
                               COLORREF text_color) {
  heading_ = ::GetDlgItem(window, kDialogHeadingId);
  text_ = ::GetDlgItem(window, kDialogTextId);
  heading_color_ = heading_color;
  text_color_ = text_color;
  ::SendMessageW(heading_, WM_SETFONT, reinterpret_cast<WPARAM>(heading_font), FALSE);
  ::SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(text_font), FALSE);
  ::SetWindowTextW(heading_, base::win::AsWide(String(content_.heading)));
  ::SetWindowTextW(text_, base::win::AsWide(BodyText()));
}

void MessageDialog::SetUpButton(ImageButton* button,
                                HWND window,
                                int id,
                                int picture_1x,
                                int picture_2x,
                                uint32_t label,
                                HFONT font,
                                COLORREF color) {
  HWND control = ::GetDlgItem(window, id);
  if (!label) {
    ::ShowWindow(control, SW_HIDE);
    return;
  }
  button->Attach(control, picture_1x, picture_2x);
  button->SetBackgroundCanvas(&background_);
  button->SetText(String(label), font, color);
  button->SetAccessibility(kAccessibleRolePushButton, String(label));
}

void MessageDialog::SetUpCloseButton(HWND window) {
  close_button_.Attach(::GetDlgItem(window, kDialogResultClose), IDR_DIALOG_CLOSE_BUTTON,
                       IDR_DIALOG_CLOSE_BUTTON_2X);
  close_button_.SetBackgroundCanvas(&background_);
  close_button_.SetAccessibility(kAccessibleRolePushButton, String(IDS_CLOSE));
}

ImageButton* MessageDialog::ButtonById(int id) {
  switch (id) {
    case kDialogResultGoOn:
      return &first_button_;
    case kDialogResultStop:
      return &second_button_;
    case kDialogResultClose:
      return &close_button_;
    default:
      return nullptr;
  }
}

bool MessageDialog::ProcessMessage(HWND window,
                                   UINT message,
                                   WPARAM wparam,
                                   LPARAM lparam,
                                   LRESULT* result) {
  if (message == move_window_message()) {
    shadow_.MoveToOwner();
    *result = 0;
    return true;
  }
  if (HandleDragMessage(window, message, lparam, result))
    return true;
  switch (message) {
    case WM_INITDIALOG: {
      ::SetWindowTextW(window, base::win::AsWide(String(IDS_WINDOW_TITLE)));
      Layout(window);
      // The first button has the focus; a dialog with only the second
      // button gives it the focus and the Enter key.
      const int focused = content_.first_button ? kDialogResultGoOn : kDialogResultStop;
      ::SendMessageW(window, DM_SETDEFID, focused, 0);
      ::SetFocus(::GetDlgItem(window, focused));
      *result = FALSE;
      return true;
    }
    case WM_COMMAND:
      OnCommand(window, LOWORD(wparam), HIWORD(wparam));
      *result = 0;
      return true;
    case WM_PAINT:
      OnPaint(window);
      *result = 0;
      return true;
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    case WM_CTLCOLORDLG:
      *result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
      return true;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, reinterpret_cast<HWND>(lparam) == heading_ ? heading_color_ : text_color_);
      *result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
      return true;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      ImageButton* button = ButtonById(static_cast<int>(header->idFrom));
      if (header->code != static_cast<UINT>(NM_CUSTOMDRAW) || !button)
        return false;
      *result = button->OnCustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(lparam));
      return true;
    }
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      ImageButton* button = ButtonById(static_cast<int>(draw.CtlID));
      *result = button && button->OnDrawItem(draw);
      return true;
    }
    case WM_DESTROY:
      shadow_.Destroy();
      return false;
    default:
      return false;
  }
}

void MessageDialog::OnCommand(HWND, int id, int notification) {
  // Buttons with BS_NOTIFY also report focus changes.
  if (notification != BN_CLICKED)
    return;
  switch (id) {
    case kDialogResultGoOn:
      RunFirstButtonAction();
      EndDialog(kDialogResultGoOn);
      break;
    case kDialogResultStop:
      EndDialog(kDialogResultStop);
      break;
    case kDialogResultClose:
    case IDCANCEL:
      EndDialog(kDialogResultClose);
      break;
    default:
      break;
  }
}

void MessageDialog::RunFirstButtonAction() const {
  switch (content_.action) {
    case FirstButtonAction::kClose:
      break;
    case FirstButtonAction::kOpenDownloadPage:
      OpenAddress(context_.download_page_url);
      break;
    case FirstButtonAction::kOpenVendorSite:
      OpenAddress(context_.vendor_site_url);
      break;
    case FirstButtonAction::kOpenFeedbackPage:
      OpenAddress(context_.feedback_page_url);
      break;
    case FirstButtonAction::kStartExistingBrowser:
      StartExistingBrowser();
      break;
  }
}

void MessageDialog::OnPaint(HWND window) const {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(window, &paint);
  if (dc && background_.dc()) {
    ::BitBlt(dc, 0, 0, background_.width(), background_.height(), background_.dc(), 0, 0, SRCCOPY);
  }
  ::EndPaint(window, &paint);
}

}  // namespace lite_installer
