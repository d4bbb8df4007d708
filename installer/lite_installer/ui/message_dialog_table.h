// What each message dialog says, which buttons it has and what its first
// button does, in both styles, and which dialog an installation error
// brings. Every text is a string id; 0 leaves the text or button out.
#ifndef INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_TABLE_H_
#define INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_TABLE_H_

#include <cstdint>
#include <optional>

namespace lite_installer {

// The kinds of dialog, numbered as the window and the error table know
// them. Classic dialogs of the installation-error family map kinds 6, 9,
// 10, 11 and 13 onto their rows.
enum MessageDialogKind : int {
  kHigherVersionDialog = 0,
  kCorpUserHigherVersionDialog = 3,
  kCorpUserBrowserExistsDialog = 4,
  kCorporateBrowserExistsDialog = 5,
  kCryptoProDialog = 6,
  kDownloadOfferDialog = 7,
  kResumePromptDialog = 8,
  kWrongBitnessDialog = 9,
  kProgramFilesDialog = 10,
  kFolderLockedDialog = 11,
  kLogFileDialog = 13,
  // Before the window exists; always classic.
  kDiskSpaceDialog = 100,
};

inline constexpr int kDialogResultGoOn = 1;
inline constexpr int kDialogResultStop = 212;
inline constexpr int kDialogResultClose = 213;

inline bool IsStopResult(int result) {
  return result == kDialogResultStop || result == kDialogResultClose;
}

// What the first button does before the dialog ends with 1.
enum class FirstButtonAction {
  kClose,
  kOpenDownloadPage,
  kOpenVendorSite,
  kOpenFeedbackPage,
  kStartExistingBrowser,
};

enum class ButtonPicture { kYellow, kGrey, kClassicFirst };

// The classic dialogs' two sets of text margins.
enum class ClassicMargins { kMessage, kError };

struct MessageDialogContent {
  uint32_t heading = 0;
  uint32_t text = 0;
  uint32_t first_button = 0;
  uint32_t second_button = 0;
  ButtonPicture first_picture = ButtonPicture::kGrey;
  FirstButtonAction action = FirstButtonAction::kClose;
  // The installer's log file path goes on its own line after the text.
  bool text_ends_with_log_path = false;
  ClassicMargins margins = ClassicMargins::kMessage;
  // The classic resume prompt puts its pair of buttons at the right.
  bool buttons_right_aligned = false;
};

// The dialog of |kind| in the redesigned or classic style; nothing for a
// kind the style does not have.
std::optional<MessageDialogContent> RedesignedDialogContent(int kind);
std::optional<MessageDialogContent> ClassicDialogContent(int kind);

// The dialog kind for the installer's error |code|: nothing for success,
// the CryptoPro, bitness, Program Files and locked-folder dialogs for 3 to
// 6, and for every other code the failure dialog: the download offer, or
// the log-file dialog when the download button is disabled.
std::optional<int> DialogKindForErrorCode(int code, bool download_button_disabled);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_TABLE_H_
