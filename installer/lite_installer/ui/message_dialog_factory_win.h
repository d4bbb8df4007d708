// Makes the message dialogs the window shows: the dialogs for an existing
// browser, the resume prompt and the error dialog of an Installer error.
// Each dialog ends with 1 (the first button), 212 (the second) or 213 (its
// close button); callers treat 212 and 213 as stop.
#ifndef INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_FACTORY_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_FACTORY_WIN_H_

#include <memory>

#include "installer/lite_installer/ui/dialog_window_win.h"

class BrandPackageInfo;
class DistribInfoParams;

namespace lite_installer {

// Dialog kinds the window asks for.
enum MessageDialogKind : int {
  kHigherVersionDialog = 0,
  kCorpUserHigherVersionDialog = 3,
  kCorpUserBrowserExistsDialog = 4,
  kCorporateBrowserExistsDialog = 5,
  kResumePromptDialog = 8,
};

inline constexpr int kDialogResultGoOn = 1;
inline constexpr int kDialogResultStop = 212;
inline constexpr int kDialogResultClose = 213;

inline bool IsStopResult(int result) {
  return result == kDialogResultStop || result == kDialogResultClose;
}

class MessageDialogFactory {
 public:
  MessageDialogFactory(BrandPackageInfo* brand, DistribInfoParams* distrib)
      : brand_(brand), distrib_(distrib) {}
  virtual ~MessageDialogFactory() = default;

  // Kinds 0, 3, 4 and 5; null for another kind.
  virtual std::unique_ptr<DialogWindow> CreateMessageDialog(int kind);
  virtual std::unique_ptr<DialogWindow> CreateResumePrompt();
  // The dialog for the Installer's error |code|; null for 0.
  virtual std::unique_ptr<DialogWindow> CreateDialogForCode(int code);

 private:
  BrandPackageInfo* const brand_;
  DistribInfoParams* const distrib_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_FACTORY_WIN_H_
