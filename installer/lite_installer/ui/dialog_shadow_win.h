// The shadow of a message dialog: a layered popup owned by the dialog that
// shows a composed per-pixel-alpha picture around it and follows it when it
// moves. The dialog composes the picture; this window only shows it.
#ifndef INSTALLER_LITE_INSTALLER_UI_DIALOG_SHADOW_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_DIALOG_SHADOW_WIN_H_

#include <windows.h>

#include "installer/lite_installer/ui/memory_canvas_win.h"

namespace lite_installer {

class DialogShadow {
 public:
  // How far the shadow reaches past each edge of the dialog.
  struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
  };

  DialogShadow() = default;
  DialogShadow(const DialogShadow&) = delete;
  DialogShadow& operator=(const DialogShadow&) = delete;
  ~DialogShadow();

  // Creates the visible window around |owner| with |style| and
  // |extended_style| (WS_EX_LAYERED is added) and shows |picture|, which
  // covers the dialog's window rectangle enlarged by |margins|.
  bool Show(HWND owner,
            DWORD style,
            DWORD extended_style,
            const Margins& margins,
            MemoryCanvas picture);
  // Follows the owner to where it is now.
  void MoveToOwner();
  void Destroy();

  HWND handle() const { return window_; }
  const MemoryCanvas& picture() const { return picture_; }

 private:
  RECT Place() const;

  HWND owner_ = nullptr;
  HWND window_ = nullptr;
  Margins margins_;
  MemoryCanvas picture_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_DIALOG_SHADOW_WIN_H_
