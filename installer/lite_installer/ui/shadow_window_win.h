// The soft shadow around the borderless installer window: a layered popup
// owned by the window, as large as the window enlarged by the shadow margin
// on every side, showing per-pixel-alpha pieces stretched along the edges.
// From Windows 8 on it also shows the window picture's outermost bands, so
// that the corners the window's rounded region cuts away show the picture
// fading into the shadow instead of the desktop.
#ifndef INSTALLER_LITE_INSTALLER_UI_SHADOW_WINDOW_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_SHADOW_WINDOW_WIN_H_

#include <windows.h>

#include <array>

#include "installer/lite_installer/ui/memory_canvas_win.h"
#include "installer/lite_installer/ui/resource_bitmap_win.h"
#include "installer/lite_installer/ui/shadow_geometry.h"

namespace lite_installer {

class ShadowWindow {
 public:
  ShadowWindow() = default;
  ShadowWindow(const ShadowWindow&) = delete;
  ShadowWindow& operator=(const ShadowWindow&) = delete;
  ~ShadowWindow();

  // Creates the (hidden) window once and loads the pieces for |factor|;
  // true when the window exists.
  bool Create(HWND owner, bool windows8_or_later, double factor);
  // Composes the shadow for the owner's current size, with the bands of
  // |window_picture| (drawn over the owner's client area; may be null) from
  // Windows 8 on, and puts it on the screen.
  void Update(const ResourceBitmap* window_picture);
  // Shows the shadow without activating it, behind the owner.
  void Show();
  void Hide();
  // Follows the owner after it moved.
  void MoveToOwner();

  HWND handle() const { return window_; }
  // The last composed picture, premultiplied: what the screen is given.
  const MemoryCanvas& composed() const { return composed_; }

 private:
  RECT ShadowRect() const;

  HWND owner_ = nullptr;
  HWND window_ = nullptr;
  bool windows8_or_later_ = false;
  double factor_ = 1;
  std::array<ResourceBitmap, kShadowPieceCount> pieces_;
  MemoryCanvas composed_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_SHADOW_WINDOW_WIN_H_
