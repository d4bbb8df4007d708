#include "installer/lite_installer/ui/message_dialog_table.h"

#include "resources/resource_ids.h"

namespace lite_installer {

namespace {

MessageDialogContent Content(uint32_t heading,
                             uint32_t text,
                             uint32_t first,
                             uint32_t second,
                             ButtonPicture picture,
                             FirstButtonAction action) {
  MessageDialogContent content;
  content.heading = heading;
  content.text = text;
  content.first_button = first;
  content.second_button = second;
  content.first_picture = picture;
  content.action = action;
  return content;
}

// The classic installation-error dialog: a heading, the error's text and
// only the Cancel button.
MessageDialogContent ClassicError(uint32_t heading, uint32_t text) {
  MessageDialogContent content = Content(heading, text, 0, IDS_ERROR_CANCEL,
                                         ButtonPicture::kClassicFirst, FirstButtonAction::kClose);
  content.margins = ClassicMargins::kError;
  return content;
}

}  // namespace

std::optional<MessageDialogContent> RedesignedDialogContent(int kind) {
  using enum FirstButtonAction;
  constexpr ButtonPicture kGrey = ButtonPicture::kGrey;
  constexpr ButtonPicture kYellow = ButtonPicture::kYellow;
  switch (kind) {
    case kHigherVersionDialog:
      return Content(IDS_NEWER_VERSION_TITLE_REDESIGNED, IDS_NEWER_VERSION_TEXT_REDESIGNED,
                     IDS_GOT_IT, 0, kGrey, kClose);
    case kCorpUserHigherVersionDialog:
      return Content(IDS_CORP_NEWER_VERSION_TITLE_REDESIGNED,
                     IDS_CORP_NEWER_VERSION_TEXT_REDESIGNED, IDS_GOT_IT, 0, kGrey, kClose);
    case kCorpUserBrowserExistsDialog:
      return Content(IDS_CORP_BROWSER_EXISTS_TITLE_REDESIGNED,
                     IDS_CORP_BROWSER_EXISTS_TEXT_REDESIGNED, IDS_CORP_UPDATE_REDESIGNED,
                     IDS_CORP_UPDATE_CANCEL_REDESIGNED, kYellow, kClose);
    case kCorporateBrowserExistsDialog:
      return Content(IDS_CORPORATE_INSTALLED_TITLE_REDESIGNED,
                     IDS_CORPORATE_INSTALLED_TEXT_REDESIGNED, IDS_GOT_IT, 0, kGrey, kClose);
    case kCryptoProDialog:
      return Content(IDS_CRYPTOPRO_TITLE_REDESIGNED, IDS_CRYPTOPRO_TEXT_REDESIGNED, IDS_GOT_IT, 0,
                     kGrey, kClose);
    case kDownloadOfferDialog:
      return Content(IDS_DOWNLOAD_OFFER_TITLE_REDESIGNED, IDS_DOWNLOAD_OFFER_TEXT_REDESIGNED,
                     IDS_DOWNLOAD_REDESIGNED, IDS_STOP, kYellow, kOpenDownloadPage);
    case kResumePromptDialog:
      return Content(IDS_RESUME_PROMPT_TITLE_REDESIGNED, IDS_RESUME_PROMPT_TEXT_REDESIGNED,
                     IDS_PROCEED, IDS_STOP, kYellow, kClose);
    case kWrongBitnessDialog:
      return Content(IDS_WRONG_BITNESS_TITLE_REDESIGNED, IDS_WRONG_BITNESS_TEXT_REDESIGNED,
                     IDS_GO_TO_SITE, 0, kYellow, kOpenVendorSite);
    case kProgramFilesDialog:
      return Content(IDS_PROGRAM_FILES_TITLE_REDESIGNED, 0, IDS_OPEN, 0, kYellow,
                     kStartExistingBrowser);
    case kFolderLockedDialog:
      return Content(IDS_FOLDER_LOCKED_TITLE_REDESIGNED, IDS_FOLDER_LOCKED_TEXT_REDESIGNED,
                     IDS_CONTACT_US, 0, kYellow, kOpenFeedbackPage);
    case kLogFileDialog: {
      MessageDialogContent content =
          Content(IDS_FAILURE_TITLE_REDESIGNED, IDS_FAILURE_TEXT_REDESIGNED, IDS_CONTACT_US, 0,
                  kYellow, kOpenFeedbackPage);
      content.text_ends_with_log_path = true;
      return content;
    }
    default:
      return std::nullopt;
  }
}

std::optional<MessageDialogContent> ClassicDialogContent(int kind) {
  using enum FirstButtonAction;
  constexpr ButtonPicture kFirst = ButtonPicture::kClassicFirst;
  switch (kind) {
    case kHigherVersionDialog:
      return Content(IDS_NEWER_VERSION_TITLE, IDS_NEWER_VERSION_TEXT, IDS_OK, 0, kFirst, kClose);
    case kCorpUserHigherVersionDialog:
      return Content(IDS_CORP_NEWER_VERSION_TITLE, IDS_CORP_NEWER_VERSION_TEXT, IDS_OK, 0, kFirst,
                     kClose);
    case kCorpUserBrowserExistsDialog:
      return Content(IDS_CORP_BROWSER_EXISTS_TITLE, IDS_CORP_BROWSER_EXISTS_TEXT, IDS_UPDATE,
                     IDS_UPDATE_CANCEL, kFirst, kClose);
    case kCorporateBrowserExistsDialog:
      return Content(IDS_CORPORATE_INSTALLED_TITLE, IDS_CORPORATE_INSTALLED_TEXT, IDS_OK, 0, kFirst,
                     kClose);
    case kCryptoProDialog:
      return ClassicError(IDS_CRYPTOPRO_TITLE, IDS_CRYPTOPRO_TEXT);
    case kDownloadOfferDialog:
      return Content(IDS_INSTALL_ERROR_TITLE, IDS_DOWNLOAD_OFFER_TEXT, IDS_DOWNLOAD,
                     IDS_DOWNLOAD_CANCEL, kFirst, kOpenDownloadPage);
    case kResumePromptDialog: {
      MessageDialogContent content =
          Content(IDS_RESUME_PROMPT_TITLE, 0, IDS_RESUME, IDS_RESUME_CANCEL, kFirst, kClose);
      content.buttons_right_aligned = true;
      return content;
    }
    case kWrongBitnessDialog:
      return ClassicError(IDS_INSTALL_ERROR_TITLE, IDS_WRONG_BITNESS_TEXT);
    case kProgramFilesDialog:
      return ClassicError(IDS_INSTALL_ERROR_TITLE, IDS_PROGRAM_FILES_TEXT);
    case kFolderLockedDialog:
      return ClassicError(IDS_INSTALL_ERROR_TITLE, IDS_FOLDER_LOCKED_TEXT);
    case kLogFileDialog: {
      MessageDialogContent content = ClassicError(IDS_INSTALL_ERROR_TITLE, IDS_SEE_LOG_FILE);
      content.text_ends_with_log_path = true;
      return content;
    }
    case kDiskSpaceDialog:
      return Content(IDS_DISK_SPACE_TITLE, IDS_DISK_SPACE_TEXT, IDS_OK, 0, kFirst, kClose);
    default:
      return std::nullopt;
  }
}

std::optional<int> DialogKindForErrorCode(int code, bool download_button_disabled) {
  switch (code) {
    case 0:
      return std::nullopt;
    case 3:
      return kCryptoProDialog;
    case 4:
      return kWrongBitnessDialog;
    case 5:
      return kProgramFilesDialog;
    case 6:
      return kFolderLockedDialog;
    default:
      // Every other failure, including codes the installer does not give
      // today, tells the user that the installation failed.
      return download_button_disabled ? kLogFileDialog : kDownloadOfferDialog;
  }
}

}  // namespace lite_installer
