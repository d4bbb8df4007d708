// A check box drawn from a glyph picture of six frames side by side
// (unchecked normal, hot, pressed, then checked normal, hot, pressed) over
// the window's picture, with a label that wraps and may hold one inline link
// (written between "((" and "))"); the link's own control is moved over the
// link's words, and the check box draws the plain words.
#ifndef INSTALLER_LITE_INSTALLER_UI_CUSTOM_CHECK_BOX_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_CUSTOM_CHECK_BOX_WIN_H_

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <commctrl.h>

#include <vector>

#include "base/strings.h"
#include "installer/lite_installer/ui/accessible_control_win.h"
#include "installer/lite_installer/ui/dialog_window_win.h"
#include "installer/lite_installer/ui/resource_bitmap_win.h"
#include "installer/lite_installer/ui/text_flow.h"

namespace lite_installer {

class CustomCheckBox : public DialogWindow {
 public:
  CustomCheckBox() = default;

  // Subclasses |check_box| and loads the glyphs. Without visual styles the
  // button is switched to BS_OWNERDRAW (painted through OnDrawItem) and the
  // object keeps the checked state, answering BM_GETCHECK and BM_SETCHECK.
  bool Attach(HWND check_box, int glyph_1x, int glyph_2x);
  void SetLabel(const base::String16& label_with_link_markup, HFONT font);
  // The picture drawn over the parent's client area; not owned, may be null.
  void SetBackground(const ResourceBitmap* picture);

  // Flows the label in |rect| (parent client pixels; its left, top and right
  // are used), moves and sizes the control to the label's height and moves
  // |link_control| (may be null) over the link's words. Returns the height.
  int Layout(const RECT& rect, HWND link_control);

  // NM_CUSTOMDRAW of the check box, forwarded by the parent: painted at the
  // pre-erase stage, nothing left to the system.
  LRESULT OnCustomDraw(const NMCUSTOMDRAW& draw);
  // WM_DRAWITEM of the owner-drawn fallback; false for another control.
  bool OnDrawItem(const DRAWITEMSTRUCT& draw);

  bool IsChecked() const;
  void SetChecked(bool checked);
  bool owner_drawn() const { return owner_drawn_; }
  // The label's pieces after Layout, in the control's client pixels.
  const std::vector<TextPiece>& pieces() const { return pieces_; }
  int line_height() const { return line_height_; }

  bool ProcessMessage(HWND window,
                      UINT message,
                      WPARAM wparam,
                      LPARAM lparam,
                      LRESULT* result) override;

 private:
  // |state| 0 normal, 1 hot, 2 pressed.
  void Paint(HDC dc, const RECT& rect, int state, bool focused) const;
  // Width of one glyph frame in window pixels.
  int GlyphWidth() const { return glyph_.Width() / 6; }

  ResourceBitmap glyph_;
  const ResourceBitmap* background_ = nullptr;
  base::String16 label_;
  HFONT font_ = nullptr;
  std::vector<TextPiece> pieces_;
  int line_height_ = 0;
  bool owner_drawn_ = false;
  bool checked_ = false;
  bool hot_ = false;
  AccessibleControl accessible_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_CUSTOM_CHECK_BOX_WIN_H_
