// The message dialog in the classic style: the size of its background
// picture, texts in Arial, picture buttons at the bottom and a shadow
// window cut from the picture's own drawn shadow.
#ifndef INSTALLER_LITE_INSTALLER_UI_CLASSIC_MESSAGE_DIALOG_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_CLASSIC_MESSAGE_DIALOG_WIN_H_

#include "installer/lite_installer/ui/message_dialog_win.h"
#include "installer/lite_installer/ui/resource_bitmap_win.h"

namespace lite_installer {

class ClassicMessageDialog : public MessageDialog {
 public:
  using MessageDialog::MessageDialog;

 protected:
  void Layout(HWND window) override;

 private:
  void ShowShadow(HWND window, Size size);

  ResourceBitmap picture_;
  base::win::ScopedFont heading_font_;
  base::win::ScopedFont text_font_;
  base::win::ScopedFont button_font_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_CLASSIC_MESSAGE_DIALOG_WIN_H_
