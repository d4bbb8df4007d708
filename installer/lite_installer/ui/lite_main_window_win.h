// The installer's main window, run modally by the entry point. It owns the
// Installer of a window run.
#ifndef INSTALLER_LITE_INSTALLER_UI_LITE_MAIN_WINDOW_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_LITE_MAIN_WINDOW_WIN_H_

#include <windows.h>

#include <memory>

#include "installer/lite_installer/engine/installer_win.h"

class BrandPackageInfo;
class DistribInfoParams;

namespace lite_installer {

extern const wchar_t kMainWindowClassName[];

class LiteMainWindow {
 public:
  LiteMainWindow(BrandPackageInfo* brand, DistribInfoParams* distrib, bool create_installer);
  LiteMainWindow(const LiteMainWindow&) = delete;
  LiteMainWindow& operator=(const LiteMainWindow&) = delete;
  ~LiteMainWindow();

  // Shows the window and runs its message loop until it ends: 1 when the
  // installation ended through the window, anything else when the user left.
  int DoModal();

  Installer* installer() { return installer_.get(); }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  BrandPackageInfo* const brand_;
  std::unique_ptr<Installer> installer_;
  HWND window_ = nullptr;
  int result_ = 0;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_LITE_MAIN_WINDOW_WIN_H_
