// Makes the message dialogs the installer shows: the dialogs for an
// existing browser, the resume prompt, the error dialogs of an Installer
// error and, before any window exists, the disk-space refusal. The brand's
// dialogs_redesign chooses the style.
#ifndef INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_FACTORY_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_FACTORY_WIN_H_

#include <memory>

#include "installer/lite_installer/ui/dialog_window_win.h"
#include "installer/lite_installer/ui/message_dialog_table.h"
#include "installer/lite_installer/ui/message_dialog_win.h"

class BrandPackageInfo;
class DistribInfoParams;

namespace lite_installer {

// The dialog of |kind| in the chosen style; null for a kind the style does
// not have.
std::unique_ptr<MessageDialog> CreateMessageDialogOfKind(int kind,
                                                         bool redesigned,
                                                         const MessageDialogContext& context);

// The dialogs of an installation error.
class ErrorDialogProvider {
 public:
  ErrorDialogProvider(bool redesigned, const MessageDialogContext& context)
      : redesigned_(redesigned), context_(context) {}
  virtual ~ErrorDialogProvider() = default;

  // The installation-error dialogs: bitness, Program Files, locked folder
  // and the log-file dialog.
  virtual std::unique_ptr<DialogWindow> CreateErrorDialog(int kind);
  virtual std::unique_ptr<DialogWindow> CreateCryptoProDialog();
  virtual std::unique_ptr<DialogWindow> CreateDownloadDialog();
  // The download offer, or the log-file dialog when the command line
  // disables the download button.
  virtual std::unique_ptr<DialogWindow> CreateFailureDialog();

 private:
  const bool redesigned_;
  const MessageDialogContext context_;
};

class MessageDialogFactory {
 public:
  MessageDialogFactory(BrandPackageInfo* brand, DistribInfoParams* distrib)
      : brand_(brand), distrib_(distrib) {}
  virtual ~MessageDialogFactory() = default;

  // Kinds 0, 3, 4 and 5; null for another kind.
  virtual std::unique_ptr<DialogWindow> CreateMessageDialog(int kind);
  virtual std::unique_ptr<DialogWindow> CreateResumePrompt();
  virtual std::unique_ptr<ErrorDialogProvider> CreateErrorDialogProvider();
  // The dialog for the Installer's error |code|; null for 0.
  std::unique_ptr<DialogWindow> CreateDialogForCode(int code);

 private:
  MessageDialogContext Context() const;
  bool redesigned() const;

  BrandPackageInfo* const brand_;
  DistribInfoParams* const distrib_;
};

// The refusal shown before the window when the disk has too little space:
// always the classic dialog, modal, without owner.
void ShowDiskSpaceRefusal(uint16_t language_id);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_FACTORY_WIN_H_
