// A push button drawn from a picture of three frames side by side (normal,
// hot, pressed) over the part of the window's picture that lies under it,
// with an optional text on top.
#ifndef INSTALLER_LITE_INSTALLER_UI_IMAGE_BUTTON_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_IMAGE_BUTTON_WIN_H_

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <commctrl.h>

#include "base/strings.h"
#include "installer/lite_installer/ui/accessible_control_win.h"
#include "installer/lite_installer/ui/dialog_window_win.h"
#include "installer/lite_installer/ui/memory_canvas_win.h"
#include "installer/lite_installer/ui/resource_bitmap_win.h"
#include "installer/lite_installer/ui/window_geometry.h"

namespace lite_installer {

class ImageButton : public DialogWindow {
 public:
  enum Frame : int { kNormal = 0, kHot = 1, kPressed = 2 };

  ImageButton() = default;

  // Subclasses |button| and loads its three-frame picture; false when the
  // picture is missing (the button is still attached and draws its text).
  bool Attach(HWND button, int id_1x, int id_2x);
  void SetText(const base::String16& text, HFONT font, COLORREF color);
  // The picture drawn over the parent's client area; not owned, may be null.
  void SetBackground(const ResourceBitmap* picture);
  // Or the parent's client area already composed; not owned, may be null.
  void SetBackgroundCanvas(const MemoryCanvas* canvas);
  // Draws each frame at the button's size: |end_width| window pixels at
  // either end kept as they are, the middle stretched between them.
  void SetStretchedEnds(int end_width);
  void SetAccessibility(long role, const base::String16& name);

  // One frame of the picture, in window pixels.
  Size NaturalSize() const;
  // Moves the button to (x, y) of the parent's client area at its natural
  // size.
  void PlaceAt(int x, int y);

  // The parent forwards NM_CUSTOMDRAW of the button here and returns the
  // answer; the button is painted at the pre-erase stage and the system
  // draws nothing at any stage.
  LRESULT OnCustomDraw(const NMCUSTOMDRAW& draw);
  // WM_DRAWITEM of a BS_OWNERDRAW button (drawn without visual styles).
  bool OnDrawItem(const DRAWITEMSTRUCT& draw);
  // Forgets that keyboard cues were shown, so that the focus rectangle waits
  // for the next keyboard use.
  void ClearKeyboardCueFlag() { keyboard_cues_shown_ = false; }

  bool ProcessMessage(HWND window,
                      UINT message,
                      WPARAM wparam,
                      LPARAM lparam,
                      LRESULT* result) override;

  bool hot() const { return hot_; }

 private:
  void Paint(HDC dc, const RECT& rect, Frame frame, bool focus_rect) const;
  void DrawFrame(HDC dc, int width, int height, Frame frame) const;

  ResourceBitmap picture_;
  const ResourceBitmap* background_ = nullptr;
  const MemoryCanvas* background_canvas_ = nullptr;
  int stretched_end_width_ = 0;
  base::String16 text_;
  HFONT font_ = nullptr;
  COLORREF color_ = 0;
  AccessibleControl accessible_;
  bool hot_ = false;
  bool keyboard_cues_shown_ = false;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_IMAGE_BUTTON_WIN_H_
