// The installer window as the user sees it: a borderless 802 x 430 (design
// pixels) popup with a rounded shape and a soft shadow; the first screen
// (title, check boxes, Install, the licence line) and the progress screen
// (picture, bar, stage line). The behaviour is MainWindow's.
#ifndef INSTALLER_LITE_INSTALLER_UI_LITE_MAIN_WINDOW_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_LITE_MAIN_WINDOW_WIN_H_

#include <windows.h>
// windows.h first: the shell interfaces build on its types.
#include <shobjidl.h>

#include <memory>
#include <optional>
#include <vector>

#include "base/win/scoped_com_win.h"
#include "base/win/scoped_gdi_win.h"
#include "installer/lite_installer/ui/custom_check_box_win.h"
#include "installer/lite_installer/ui/custom_progress_bar_win.h"
#include "installer/lite_installer/ui/image_button_win.h"
#include "installer/lite_installer/ui/installation_window_layout.h"
#include "installer/lite_installer/ui/installation_window_theme_win.h"
#include "installer/lite_installer/ui/link_control_win.h"
#include "installer/lite_installer/ui/main_window_win.h"
#include "installer/lite_installer/ui/resource_bitmap_win.h"
#include "installer/lite_installer/ui/shadow_window_win.h"
#include "installer/lite_installer/ui/slide_player_win.h"

namespace lite_installer {

class LiteMainWindow : public MainWindow {
 public:
  // |create_installer|: make the Installer, which starts downloading at once
  // and runs the setup when the progress screen starts.
  LiteMainWindow(BrandPackageInfo* brand, DistribInfoParams* distrib, bool create_installer);
  ~LiteMainWindow() override;

  // Runs the window modally over the active window: 1 when the installation
  // ended through the window, 2, 212 or 213 when the user left.
  int DoModal();

  bool ProcessMessage(HWND window,
                      UINT message,
                      WPARAM wparam,
                      LPARAM lparam,
                      LRESULT* result) override;

 protected:
  void CreateLayoutAndTheme() override;
  void LoadStrings() override;
  void ApplyWindowShape() override;
  void CreateFonts() override;
  void CreateLicenceLine() override;
  void CreateControls() override;
  void LayoutFirstScreen() override;
  void SetTabOrderAndKeyboardHook() override;
  bool OnDrawItem(int id, const DRAWITEMSTRUCT& draw) override;
  LRESULT OnCustomDraw(int id, const NMCUSTOMDRAW& draw) override;
  std::vector<int> GetFirstScreenControlIds() override;
  void OnTimer() override;
  void OnPaint() override;
  void ShowShadow() override;
  void HideShadow() override;
  void MoveShadow() override;
  void UpdateShadow() override;
  void PrepareProgressScreen() override;
  void LayoutProgressScreen() override;
  void ShowProgressBar() override;
  void OnProgress(int percent) override;
  void OnNcActivate(bool active) override;
  bool IsCheckBoxChecked(int id) override;
  void ToggleCheckBox(int id) override;

 private:
  bool windows8_or_later() const { return windows_version_ >= kWindowVersion8; }
  // A design rectangle in window pixels.
  RECT Place(const Rect& design) const;
  CustomCheckBox* CheckBox(int id);
  // The picture the window shows now: the first-screen background, or the
  // current slide on the progress screen.
  const ResourceBitmap* CurrentPicture() const;
  // The slide show of the progress screen, with its built-in slides.
  void CreateSlidesPack();
  // The controls over the slide paint the current one under them.
  void HandSlideToControls();
  void LayoutCheckBoxes();
  void PaintFirstScreen(HDC dc);
  void PaintProgressScreen(HDC dc);
  // Draws one of the owner-drawn statics (title, licence text, progress
  // text) over the window's picture.
  bool DrawStaticText(const DRAWITEMSTRUCT& draw);
  static LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wparam, LPARAM lparam);
  bool OnHookKey(WPARAM key, bool key_up);
  void RemoveKeyboardHook();

  double scale_ = 1;
  std::optional<InstallationWindowLayoutNewIdentity> layout_;
  std::optional<InstallationWindowThemeBase> theme_;
  base::win::ScopedFont title_font_;
  base::win::ScopedFont install_font_;
  base::win::ScopedFont body_font_;
  base::win::ScopedFont licence_link_font_;
  base::win::ScopedFont check_box_font_;
  base::win::ScopedFont privacy_link_font_;
  ResourceBitmap background_;
  ResourceBitmap logo_;
  ResourceBitmap progress_logo_;
  ResourceBitmap minimize_placeholder_;
  // Declared before the controls, which keep a pointer to its current
  // picture: it outlives them.
  std::unique_ptr<SlidePlayer> slides_;
  ImageButton install_button_;
  ImageButton close_button_;
  ImageButton minimize_button_;
  CustomCheckBox make_default_check_;
  CustomCheckBox send_stat_check_;
  CustomCheckBox pin_check_;
  LinkControl privacy_link_;
  std::vector<std::unique_ptr<LinkControl>> licence_links_;
  CustomProgressBar progress_bar_;
  ShadowWindow shadow_;
  base::win::ScopedComPtr<ITaskbarList3> taskbar_;
  base::String16 title_text_;
  base::String16 install_text_;
  base::String16 make_default_text_;
  base::String16 send_stat_text_;
  base::String16 privacy_text_;
  base::String16 pin_text_;
  base::String16 stage_texts_[3];
  bool first_value_received_ = false;
  bool title_marked_for_removal_ = false;
  HHOOK keyboard_hook_ = nullptr;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_LITE_MAIN_WINDOW_WIN_H_
