#include "installer/lite_installer/ui/message_dialog_table.h"

#include "resources/resource_ids.h"

namespace lite_installer {

namespace {

MessageDialogSpec Spec(uint32_t heading,
                       uint32_t text,
                       uint32_t first,
                       uint32_t second,
                       ButtonPicture picture,
                       FirstButtonAction action) {
  MessageDialogSpec spec;
  spec.heading = heading;
  spec.text = text;
  spec.first_button = first;
  spec.second_button = second;
  spec.first_picture = picture;
  spec.action = action;
  return spec;
}

// The classic installation-error dialog: a heading, the error's text and
// only the Cancel button.
MessageDialogSpec ClassicError(uint32_t heading, uint32_t text) {
  MessageDialogSpec spec = Spec(heading, text, 0, IDS_ERROR_CANCEL, ButtonPicture::kClassicFirst,
                                FirstButtonAction::kClose);
  spec.margins = ClassicMargins::kError;
  return spec;
}

}  // namespace

std::optional<MessageDialogSpec> RedesignedDialogSpec(int kind) {
  using enum FirstButtonAction;
  constexpr ButtonPicture kGrey = ButtonPicture::kGrey;
  constexpr ButtonPicture kYellow = ButtonPicture::kYellow;
  switch (kind) {
    case kHigherVersionDialog:
      return Spec(IDS_NEWER_VERSION_TITLE_REDESIGNED, IDS_NEWER_VERSION_TEXT_REDESIGNED, IDS_GOT_IT,
                  0, kGrey, kClose);
    case kCorpUserHigherVersionDialog:
      return Spec(IDS_CORP_NEWER_VERSION_TITLE_REDESIGNED, IDS_CORP_NEWER_VERSION_TEXT_REDESIGNED,
                  IDS_GOT_IT, 0, kGrey, kClose);
    case kCorpUserBrowserExistsDialog:
      return Spec(IDS_CORP_BROWSER_EXISTS_TITLE_REDESIGNED, IDS_CORP_BROWSER_EXISTS_TEXT_REDESIGNED,
                  IDS_CORP_UPDATE_REDESIGNED, IDS_CORP_UPDATE_CANCEL_REDESIGNED, kYellow, kClose);
    case kCorporateBrowserExistsDialog:
      return Spec(IDS_CORPORATE_INSTALLED_TITLE_REDESIGNED, IDS_CORPORATE_INSTALLED_TEXT_REDESIGNED,
                  IDS_GOT_IT, 0, kGrey, kClose);
    case kCryptoProDialog:
      return Spec(IDS_CRYPTOPRO_TITLE_REDESIGNED, IDS_CRYPTOPRO_TEXT_REDESIGNED, IDS_GOT_IT, 0,
                  kGrey, kClose);
    case kDownloadOfferDialog:
      return Spec(IDS_DOWNLOAD_OFFER_TITLE_REDESIGNED, IDS_DOWNLOAD_OFFER_TEXT_REDESIGNED,
                  IDS_DOWNLOAD_REDESIGNED, IDS_STOP, kYellow, kOpenDownloadPage);
    case kResumePromptDialog:
      return Spec(IDS_RESUME_PROMPT_TITLE_REDESIGNED, IDS_RESUME_PROMPT_TEXT_REDESIGNED,
                  IDS_PROCEED, IDS_STOP, kYellow, kClose);
    case kWrongBitnessDialog:
      return Spec(IDS_WRONG_BITNESS_TITLE_REDESIGNED, IDS_WRONG_BITNESS_TEXT_REDESIGNED,
                  IDS_GO_TO_SITE, 0, kYellow, kOpenVendorSite);
    case kProgramFilesDialog:
      return Spec(IDS_PROGRAM_FILES_TITLE_REDESIGNED, 0, IDS_OPEN, 0, kYellow,
                  kStartExistingBrowser);
    case kFolderLockedDialog:
      return Spec(IDS_FOLDER_LOCKED_TITLE_REDESIGNED, IDS_FOLDER_LOCKED_TEXT_REDESIGNED,
                  IDS_CONTACT_US, 0, kYellow, kOpenFeedbackPage);
    case kLogFileDialog: {
      MessageDialogSpec spec = Spec(IDS_FAILURE_TITLE_REDESIGNED, IDS_FAILURE_TEXT_REDESIGNED,
                                    IDS_CONTACT_US, 0, kYellow, kOpenFeedbackPage);
      spec.text_ends_with_log_path = true;
      return spec;
    }
    default:
      return std::nullopt;
  }
}

std::optional<MessageDialogSpec> ClassicDialogSpec(int kind) {
  using enum FirstButtonAction;
  constexpr ButtonPicture kFirst = ButtonPicture::kClassicFirst;
  switch (kind) {
    case kHigherVersionDialog:
      return Spec(IDS_NEWER_VERSION_TITLE, IDS_NEWER_VERSION_TEXT, IDS_OK, 0, kFirst, kClose);
    case kCorpUserHigherVersionDialog:
      return Spec(IDS_CORP_NEWER_VERSION_TITLE, IDS_CORP_NEWER_VERSION_TEXT, IDS_OK, 0, kFirst,
                  kClose);
    case kCorpUserBrowserExistsDialog:
      return Spec(IDS_CORP_BROWSER_EXISTS_TITLE, IDS_CORP_BROWSER_EXISTS_TEXT, IDS_UPDATE,
                  IDS_UPDATE_CANCEL, kFirst, kClose);
    case kCorporateBrowserExistsDialog:
      return Spec(IDS_CORPORATE_INSTALLED_TITLE, IDS_CORPORATE_INSTALLED_TEXT, IDS_OK, 0, kFirst,
                  kClose);
    case kCryptoProDialog:
      return ClassicError(IDS_CRYPTOPRO_TITLE, IDS_CRYPTOPRO_TEXT);
    case kDownloadOfferDialog:
      return Spec(IDS_INSTALL_ERROR_TITLE, IDS_DOWNLOAD_OFFER_TEXT, IDS_DOWNLOAD,
                  IDS_DOWNLOAD_CANCEL, kFirst, kOpenDownloadPage);
    case kResumePromptDialog: {
      MessageDialogSpec spec =
          Spec(IDS_RESUME_PROMPT_TITLE, 0, IDS_RESUME, IDS_RESUME_CANCEL, kFirst, kClose);
      spec.buttons_right_aligned = true;
      return spec;
    }
    case kWrongBitnessDialog:
      return ClassicError(IDS_INSTALL_ERROR_TITLE, IDS_WRONG_BITNESS_TEXT);
    case kProgramFilesDialog:
      return ClassicError(IDS_INSTALL_ERROR_TITLE, IDS_PROGRAM_FILES_TEXT);
    case kFolderLockedDialog:
      return ClassicError(IDS_INSTALL_ERROR_TITLE, IDS_FOLDER_LOCKED_TEXT);
    case kLogFileDialog: {
      MessageDialogSpec spec = ClassicError(IDS_INSTALL_ERROR_TITLE, IDS_SEE_LOG_FILE);
      spec.text_ends_with_log_path = true;
      return spec;
    }
    case kDiskSpaceDialog:
      return Spec(IDS_DISK_SPACE_TITLE, IDS_DISK_SPACE_TEXT, IDS_OK, 0, kFirst, kClose);
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
