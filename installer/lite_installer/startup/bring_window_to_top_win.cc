#include "installer/lite_installer/startup/bring_window_to_top_win.h"

#include <windows.h>

#include "logging/log_message.h"

namespace lite_installer {

namespace {

void ForceForeground(HWND window) {
  // Attaching to the foreground thread's input lets SetForegroundWindow work
  // from a process that is not in front.
  const DWORD foreground_thread = ::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr);
  const DWORD window_thread = ::GetWindowThreadProcessId(window, nullptr);
  if (::AttachThreadInput(window_thread, foreground_thread, TRUE)) {
    ::BringWindowToTop(window);
    ::SetForegroundWindow(window);
    ::AttachThreadInput(window_thread, foreground_thread, FALSE);
    if (::GetForegroundWindow() == window)
      return;
  }
  // Otherwise lift the foreground lock for the moment of the switch.
  DWORD lock_timeout = 0;
  ::SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &lock_timeout, 0);
  ::SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
  ::BringWindowToTop(window);
  ::SetForegroundWindow(window);
  ::SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                          reinterpret_cast<void*>(static_cast<uintptr_t>(lock_timeout)),
                          SPIF_SENDCHANGE);
}

BOOL CALLBACK BringFirstWindowOfProcess(HWND window, LPARAM param) {
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != static_cast<DWORD>(param))
    return TRUE;
  ForceForeground(window);
  return FALSE;
}

}  // namespace

void BringProcessWindowToTop(uint32_t process_id) {
  if (process_id == 0) {
    PLOG(ERROR) << "Failed to bring process window to top: wrong process id";
    return;
  }
  ::EnumWindows(BringFirstWindowOfProcess, static_cast<LPARAM>(process_id));
}

}  // namespace lite_installer
