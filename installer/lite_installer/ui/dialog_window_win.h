// The base of every window of the installer: the main window, its dialogs
// and the controls it paints itself. A process-wide map from window handle
// to object lets the shared window procedures find the object; the object
// sees every message first (ProcessMessage) and the previous window
// procedure gets what it leaves. Windows of the installer live on the thread
// that runs the main window, so the map is touched by that thread only.
#ifndef INSTALLER_LITE_INSTALLER_UI_DIALOG_WINDOW_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_DIALOG_WINDOW_WIN_H_

#include <windows.h>

namespace lite_installer {

// Raised after each drag step and by the setup; a window moves its shadow on
// it.
extern const wchar_t kMoveWindowMessageName[];

class DialogWindow {
 public:
  DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;
  virtual ~DialogWindow();

  // Handles |message| for |window| and returns true with |*result| set, or
  // returns false to leave it to the previous window procedure.
  virtual bool ProcessMessage(HWND window,
                              UINT message,
                              WPARAM wparam,
                              LPARAM lparam,
                              LRESULT* result);
  virtual int GetDialogTemplateId() { return 0; }

  // Runs the dialog of GetDialogTemplateId modally; returns what EndDialog
  // was given, or -1/0 when the system could not run it.
  int DoModal(HWND parent);
  // Ends the modal dialog with |result|; nothing when none is running.
  void EndDialog(int result);

  // Attaches the object to an existing window (a control of a dialog) and
  // routes its messages through ProcessMessage.
  bool Subclass(HWND window);
  // Gives the window back its own procedure and forgets it.
  void Detach();

  HWND handle() const { return window_; }
  UINT move_window_message() const { return move_window_message_; }
  static DialogWindow* FromHandle(HWND window);

 protected:
  // The previous window procedure's answer to |message|.
  LRESULT CallPreviousProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // Dragging a window without a caption: the button press anywhere on the
  // surface captures the mouse, each move shifts the window by the cursor's
  // displacement and raises the move message, the release ends it. Returns
  // true when |message| was one of these.
  bool HandleDragMessage(HWND window, UINT message, LPARAM lparam, LRESULT* result);

 private:
  static INT_PTR CALLBACK SharedDialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK SharedSubclassProc(HWND window,
                                             UINT message,
                                             WPARAM wparam,
                                             LPARAM lparam);
  void Attach(HWND window);

  HWND window_ = nullptr;
  WNDPROC previous_proc_ = nullptr;
  bool dragging_ = false;
  POINT drag_point_ = {};
  UINT move_window_message_ = 0;
  bool modal_ = false;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_DIALOG_WINDOW_WIN_H_
