// A message dialog on template 100: a heading, a text, one or two buttons
// and a close button, over a background picture, with a shadow window
// around it. The two styles differ in fonts, pictures and layout, which
// their subclasses provide; what the buttons do and how the dialog ends is
// shared here: 1 after the first button's action, 212 for the second
// button, 213 for the close button and Escape.
#ifndef INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_WIN_H_

#include <windows.h>

#include <string>

#include "base/strings.h"
#include "base/win/scoped_gdi_win.h"
#include "installer/lite_installer/ui/dialog_shadow_win.h"
#include "installer/lite_installer/ui/dialog_window_win.h"
#include "installer/lite_installer/ui/image_button_win.h"
#include "installer/lite_installer/ui/memory_canvas_win.h"
#include "installer/lite_installer/ui/message_dialog_table.h"

namespace lite_installer {

inline constexpr int kMessageDialogTemplateId = 100;
inline constexpr int kDialogHeadingId = 107;
inline constexpr int kDialogTextId = -1;

// What a dialog needs besides its row of the table.
struct MessageDialogContext {
  uint16_t language_id = 1033;
  double factor = 1;
  bool windows8_or_later = true;
  // Appended on its own line to a text that ends with the log path.
  base::String16 log_path;
  // Where the first button's actions go.
  std::string download_page_url;
  std::string vendor_site_url;
  std::string feedback_page_url;
};

class MessageDialog : public DialogWindow {
 public:
  MessageDialog(const MessageDialogContent& content, const MessageDialogContext& context);
  ~MessageDialog() override;

  int GetDialogTemplateId() override { return kMessageDialogTemplateId; }
  bool ProcessMessage(HWND window,
                      UINT message,
                      WPARAM wparam,
                      LPARAM lparam,
                      LRESULT* result) override;

 protected:
  // Creates the fonts, places every control, sizes the window, composes
  // the background and shows the shadow (last).
  virtual void Layout(HWND window) = 0;

  base::String16 String(uint32_t id) const;
  // The text as shown: the string, and the log path when the row asks.
  base::String16 BodyText() const;
  bool has_text() const { return content_.text != 0; }
  // The extent of |text| in |font| as DrawTextW measures it, lines broken
  // only at line breaks.
  Size MeasureText(HWND window, const base::String16& text, HFONT font) const;
  // Moves control |id| to |rect| (client coordinates); hides it when the
  // rectangle is empty.
  void PlaceControl(HWND window, int id, const Rect& rect) const;
  // Centres the dialog of |size| on the work area of its monitor.
  void CenterOnWorkArea(HWND window, Size size) const;
  // Sets the statics' fonts and colours and the buttons' labels.
  void SetUpTexts(HWND window,
                  HFONT heading_font,
                  HFONT text_font,
                  COLORREF heading_color,
                  COLORREF text_color);
  void SetUpButton(ImageButton* button,
                   HWND window,
                   int id,
                   int picture_1x,
                   int picture_2x,
                   uint32_t label,
                   HFONT font,
                   COLORREF color);
  void SetUpCloseButton(HWND window);

  const MessageDialogContent content_;
  const MessageDialogContext context_;
  MemoryCanvas background_;
  ImageButton first_button_;
  ImageButton second_button_;
  ImageButton close_button_;
  DialogShadow shadow_;

 private:
  void OnCommand(HWND window, int id, int notification);
  void RunFirstButtonAction() const;
  void OnPaint(HWND window) const;
  ImageButton* ButtonById(int id);

  HWND heading_ = nullptr;
  HWND text_ = nullptr;
  COLORREF heading_color_ = 0;
  COLORREF text_color_ = 0;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_WIN_H_
