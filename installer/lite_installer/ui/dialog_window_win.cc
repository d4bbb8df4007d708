#include "installer/lite_installer/ui/dialog_window_win.h"

#include <map>

namespace lite_installer {

namespace {

std::map<HWND, DialogWindow*>& WindowMap() {
  static std::map<HWND, DialogWindow*> map;
  return map;
}

}  // namespace

const wchar_t kMoveWindowMessageName[] = L"velnor.lite.move_window";

DialogWindow::DialogWindow()
    : move_window_message_(::RegisterWindowMessageW(kMoveWindowMessageName)) {}

DialogWindow::~DialogWindow() {
  Detach();
}

bool DialogWindow::ProcessMessage(HWND, UINT, WPARAM, LPARAM, LRESULT*) {
  return false;
}

int DialogWindow::DoModal(HWND parent) {
  modal_ = true;
  const INT_PTR result =
      ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(GetDialogTemplateId()),
                        parent, SharedDialogProc, reinterpret_cast<LPARAM>(this));
  modal_ = false;
  return static_cast<int>(result);
}

void DialogWindow::EndDialog(int result) {
  if (window_ && modal_)
    ::EndDialog(window_, result);
}

bool DialogWindow::Subclass(HWND window) {
  if (!window || FromHandle(window))
    return false;
  Attach(window);
  return true;
}

void DialogWindow::Attach(HWND window) {
  window_ = window;
  WindowMap()[window] = this;
  previous_proc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
      window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DialogWindow::SharedSubclassProc)));
}

void DialogWindow::Detach() {
  if (!window_)
    return;
  auto& map = WindowMap();
  auto it = map.find(window_);
  if (it != map.end() && it->second == this)
    map.erase(it);
  if (previous_proc_ && ::IsWindow(window_))
    ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_proc_));
  previous_proc_ = nullptr;
  window_ = nullptr;
}

DialogWindow* DialogWindow::FromHandle(HWND window) {
  auto& map = WindowMap();
  auto it = map.find(window);
  return it == map.end() ? nullptr : it->second;
}

LRESULT DialogWindow::CallPreviousProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!previous_proc_)
    return ::DefWindowProcW(window, message, wparam, lparam);
  return ::CallWindowProcW(previous_proc_, window, message, wparam, lparam);
}

bool DialogWindow::HandleDragMessage(HWND window, UINT message, LPARAM, LRESULT* result) {
  switch (message) {
    case WM_LBUTTONDOWN:
      ::SetCapture(window);
      ::GetCursorPos(&drag_point_);
      dragging_ = true;
      break;
    case WM_MOUSEMOVE: {
      if (!dragging_)
        return false;
      POINT cursor;
      ::GetCursorPos(&cursor);
      RECT rect;
      ::GetWindowRect(window, &rect);
      ::MoveWindow(window, rect.left + cursor.x - drag_point_.x,
                   rect.top + cursor.y - drag_point_.y, rect.right - rect.left,
                   rect.bottom - rect.top, TRUE);
      drag_point_ = cursor;
      LRESULT ignored = 0;
      ProcessMessage(window, move_window_message_, 0, 0, &ignored);
      break;
    }
    case WM_LBUTTONUP:
      if (!dragging_)
        return false;
      dragging_ = false;
      ::ReleaseCapture();
      break;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return false;
    default:
      return false;
  }
  *result = 0;
  return true;
}

INT_PTR CALLBACK DialogWindow::SharedDialogProc(HWND window,
                                                UINT message,
                                                WPARAM wparam,
                                                LPARAM lparam) {
  if (message != WM_INITDIALOG)
    return FALSE;
  // The object comes with the dialog's creation; from here on the subclass
  // procedure routes every message to it.
  auto* self = reinterpret_cast<DialogWindow*>(lparam);
  if (!self)
    return TRUE;
  self->Attach(window);
  LRESULT result = TRUE;
  if (!self->ProcessMessage(window, message, wparam, lparam, &result))
    return TRUE;
  return static_cast<INT_PTR>(result);
}

LRESULT CALLBACK DialogWindow::SharedSubclassProc(HWND window,
                                                  UINT message,
                                                  WPARAM wparam,
                                                  LPARAM lparam) {
  DialogWindow* self = FromHandle(window);
  if (!self)
    return ::DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    // The window goes away: hand the last message to the previous procedure
    // and forget the handle, so that the object never sees a stale one.
    WNDPROC previous = self->previous_proc_;
    self->Detach();
    return previous ? ::CallWindowProcW(previous, window, message, wparam, lparam)
                    : ::DefWindowProcW(window, message, wparam, lparam);
  }
  LRESULT result = 0;
  if (self->ProcessMessage(window, message, wparam, lparam, &result)) {
    // Dialog procedures answer some messages through DWLP_MSGRESULT; here the
    // subclass sits in front of the dialog manager and returns directly.
    return result;
  }
  return self->CallPreviousProc(window, message, wparam, lparam);
}

}  // namespace lite_installer
