#include "installer/lite_installer/ui/message_dialog_factory_win.h"

#include <string>

#include "base/win/wide.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/engine/lite_installer_helpers.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "installer/lite_installer/temp_path_win.h"
#include "installer/lite_installer/ui/string_table_win.h"
#include "resources/resource_ids.h"

namespace lite_installer {

namespace {

constexpr int kMessageDialogTemplateId = 100;
constexpr int kHeadingId = 107;
constexpr int kTextId = -1;

// What a dialog says and which buttons it has; a string id of 0 leaves the
// text empty or the button out.
struct DialogTexts {
  uint32_t heading = 0;
  uint32_t text = 0;
  uint32_t first_button = 0;
  uint32_t second_button = 0;
  base::String16 text_suffix;
  bool first_button_opens_browser = false;
};

// PENDING: one plain system-drawn dialog on template 100 stands in for both
// styles of message dialog; the styled dialogs, the download page and the
// vendor-site buttons come with the dialogs of their own.
class PlainMessageDialog : public DialogWindow {
 public:
  PlainMessageDialog(const DialogTexts& texts, uint16_t language_id)
      : texts_(texts), language_id_(language_id) {}

  int GetDialogTemplateId() override { return kMessageDialogTemplateId; }

  bool ProcessMessage(HWND window, UINT message, WPARAM wparam, LPARAM, LRESULT* result) override {
    switch (message) {
      case WM_INITDIALOG:
        OnInitDialog(window);
        *result = TRUE;
        return true;
      case WM_COMMAND:
        OnCommand(LOWORD(wparam));
        *result = 0;
        return true;
      default:
        return false;
    }
  }

 private:
  base::String16 Text(uint32_t id) const {
    return id ? LoadResourceString(id, language_id_) : base::String16();
  }

  void OnInitDialog(HWND window) {
    ::SetWindowTextW(window, base::win::AsWide(Text(IDS_WINDOW_TITLE)));
    ::SetDlgItemTextW(window, kHeadingId, base::win::AsWide(Text(texts_.heading)));
    ::SetDlgItemTextW(window, kTextId, base::win::AsWide(Text(texts_.text) + texts_.text_suffix));
    ::SetDlgItemTextW(window, kDialogResultGoOn, base::win::AsWide(Text(texts_.first_button)));
    ::SetDlgItemTextW(window, kDialogResultStop, base::win::AsWide(Text(texts_.second_button)));
    ::SetDlgItemTextW(window, kDialogResultClose, L"\x00D7");
    if (!texts_.second_button)
      ::ShowWindow(::GetDlgItem(window, kDialogResultStop), SW_HIDE);
    if (!texts_.first_button) {
      // A dialog with only the second button shows it where the first was.
      HWND first = ::GetDlgItem(window, kDialogResultGoOn);
      HWND second = ::GetDlgItem(window, kDialogResultStop);
      RECT rect;
      ::GetWindowRect(first, &rect);
      ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
      ::ShowWindow(first, SW_HIDE);
      ::SetWindowPos(second, nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      ::SendMessageW(window, DM_SETDEFID, kDialogResultStop, 0);
      ::SetFocus(second);
    }
  }

  void OnCommand(int id) {
    switch (id) {
      case kDialogResultGoOn:
        if (texts_.first_button_opens_browser)
          StartExistingBrowser();
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

  const DialogTexts texts_;
  const uint16_t language_id_;
};

}  // namespace

std::unique_ptr<DialogWindow> MessageDialogFactory::CreateMessageDialog(int kind) {
  DialogTexts texts;
  switch (kind) {
    case kHigherVersionDialog:
      texts = {IDS_NEWER_VERSION_TITLE, IDS_NEWER_VERSION_TEXT, IDS_OK, 0};
      break;
    case kCorpUserHigherVersionDialog:
      texts = {IDS_CORP_NEWER_VERSION_TITLE, IDS_CORP_NEWER_VERSION_TEXT, IDS_OK, 0};
      break;
    case kCorpUserBrowserExistsDialog:
      texts = {IDS_CORP_BROWSER_EXISTS_TITLE, IDS_CORP_BROWSER_EXISTS_TEXT, IDS_UPDATE,
               IDS_UPDATE_CANCEL};
      break;
    case kCorporateBrowserExistsDialog:
      texts = {IDS_CORPORATE_INSTALLED_TITLE, IDS_CORPORATE_INSTALLED_TEXT, IDS_OK, 0};
      break;
    default:
      return nullptr;
  }
  return std::make_unique<PlainMessageDialog>(texts, brand_->info().language_id);
}

std::unique_ptr<DialogWindow> MessageDialogFactory::CreateResumePrompt() {
  return std::make_unique<PlainMessageDialog>(
      DialogTexts{IDS_RESUME_PROMPT_TITLE, 0, IDS_RESUME, IDS_RESUME_CANCEL},
      brand_->info().language_id);
}

std::unique_ptr<DialogWindow> MessageDialogFactory::CreateDialogForCode(int code) {
  DialogTexts texts;
  switch (code) {
    case 0:
      return nullptr;
    case 3:
      texts = {IDS_CRYPTOPRO_TITLE, IDS_CRYPTOPRO_TEXT, 0, IDS_ERROR_CANCEL};
      break;
    case 4:
      texts = {IDS_INSTALL_ERROR_TITLE, IDS_WRONG_BITNESS_TEXT, 0, IDS_ERROR_CANCEL};
      break;
    case 5:
      texts = {IDS_INSTALL_ERROR_TITLE, IDS_PROGRAM_FILES_TEXT, IDS_OPEN, IDS_ERROR_CANCEL};
      texts.first_button_opens_browser = true;
      break;
    case 6:
      texts = {IDS_INSTALL_ERROR_TITLE, IDS_FOLDER_LOCKED_TEXT, 0, IDS_ERROR_CANCEL};
      break;
    default:
      if (ProcessCommandLine().HasSwitch("disable-error-dialog-download-button")) {
        texts = {IDS_INSTALL_ERROR_TITLE, IDS_SEE_LOG_FILE, 0, IDS_ERROR_CANCEL};
        texts.text_suffix = u"\r\n" + GetTempDirectory() + u"lite_installer.log";
      } else {
        texts = {IDS_INSTALL_ERROR_TITLE, IDS_DOWNLOAD_OFFER_TEXT, IDS_DOWNLOAD,
                 IDS_DOWNLOAD_CANCEL};
      }
      break;
  }
  return std::make_unique<PlainMessageDialog>(texts, brand_->info().language_id);
}

}  // namespace lite_installer
