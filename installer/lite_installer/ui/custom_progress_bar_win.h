// The progress bar of the progress screen: the standard progress control
// keeps the range and the position, and this object paints it from a fill
// and a track picture over the part of the window's picture under it.
#ifndef INSTALLER_LITE_INSTALLER_UI_CUSTOM_PROGRESS_BAR_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_CUSTOM_PROGRESS_BAR_WIN_H_

#include <windows.h>

#include "installer/lite_installer/ui/accessible_control_win.h"
#include "installer/lite_installer/ui/dialog_window_win.h"
#include "installer/lite_installer/ui/resource_bitmap_win.h"

namespace lite_installer {

class CustomProgressBar : public DialogWindow {
 public:
  CustomProgressBar() = default;

  // Subclasses the progress control; its accessible role is a progress bar.
  bool Attach(HWND progress);
  // Loads the fill and track pictures; |background| (drawn over the parent's
  // client area; not owned, may be null) is painted under the bar.
  void SetImages(int fill_1x,
                 int fill_2x,
                 int track_1x,
                 int track_2x,
                 const ResourceBitmap* background);
  // The picture under the bar from now on (not owned, may be null).
  void SetBackground(const ResourceBitmap* background);
  void SetRange(int low, int high);
  // Moves the bar and announces the new value ("N%") to accessibility
  // clients.
  void SetPos(int pos);
  int GetPos() const;

  bool ProcessMessage(HWND window,
                      UINT message,
                      WPARAM wparam,
                      LPARAM lparam,
                      LRESULT* result) override;

 private:
  void Paint(HDC dc, const RECT& client) const;

  ResourceBitmap fill_;
  ResourceBitmap track_;
  const ResourceBitmap* background_ = nullptr;
  AccessibleControl accessible_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_CUSTOM_PROGRESS_BAR_WIN_H_
