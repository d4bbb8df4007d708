// The message dialog in the redesigned style: sized from its texts, white
// with rounded corners from Windows 8 on, a yellow or grey first button, a
// grey second one and a soft shadow of eight pieces.
#ifndef INSTALLER_LITE_INSTALLER_UI_REDESIGNED_MESSAGE_DIALOG_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_REDESIGNED_MESSAGE_DIALOG_WIN_H_

#include "installer/lite_installer/ui/message_dialog_win.h"

namespace lite_installer {

class RedesignedMessageDialog : public MessageDialog {
 public:
  using MessageDialog::MessageDialog;

 protected:
  void Layout(HWND window) override;

 private:
  void ComposeBackground(Size size);
  void ShowShadow(HWND window, Size size);

  base::win::ScopedFont heading_font_;
  base::win::ScopedFont text_font_;
  base::win::ScopedFont button_font_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_REDESIGNED_MESSAGE_DIALOG_WIN_H_
