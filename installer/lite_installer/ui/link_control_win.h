// A text link drawn by its owner over the window's picture: underlined, in
// the text colour at its own alpha, with the hand cursor. The control is a
// BS_OWNERDRAW button (or an SS_NOTIFY static), so that a click reaches the
// parent as WM_COMMAND with the control's id.
#ifndef INSTALLER_LITE_INSTALLER_UI_LINK_CONTROL_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_LINK_CONTROL_WIN_H_

#include <windows.h>

#include "base/strings.h"
#include "base/win/scoped_gdi_win.h"
#include "installer/lite_installer/ui/accessible_control_win.h"
#include "installer/lite_installer/ui/dialog_window_win.h"
#include "installer/lite_installer/ui/resource_bitmap_win.h"

namespace lite_installer {

class LinkControl : public DialogWindow {
 public:
  LinkControl() = default;

  // Subclasses |control|; draws |text| in an underlined copy of |font| at
  // |alpha|; the control's accessible role is a link named
  // |accessible_name|.
  bool Attach(HWND control,
              const base::String16& text,
              HFONT font,
              BYTE alpha,
              const base::String16& accessible_name);
  // The picture drawn over the parent's client area; not owned, may be null.
  void SetBackground(const ResourceBitmap* picture);

  // WM_DRAWITEM of the control, forwarded by the parent; false when it is
  // another control's.
  bool OnDrawItem(const DRAWITEMSTRUCT& draw);

  bool ProcessMessage(HWND window,
                      UINT message,
                      WPARAM wparam,
                      LPARAM lparam,
                      LRESULT* result) override;

  HFONT link_font() const { return link_font_.Get(); }

 private:
  base::String16 text_;
  base::win::ScopedFont link_font_;
  BYTE alpha_ = 255;
  const ResourceBitmap* background_ = nullptr;
  AccessibleControl accessible_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_LINK_CONTROL_WIN_H_
