// Keeps a test prefix warm: one Windows process that stays for the whole test
// run. While a user process lives, Wine keeps the prefix's services and the
// desktop process up; without one they shut down after each test, and every
// next test waits seconds for them to come back (and the desktop process it
// starts holds the test's output open until it ends).
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  (void)instance;
  (void)previous;
  (void)command_line;
  (void)show;
  // Connects the process to the desktop, which brings the desktop process up
  // now, outside any test.
  GetDesktopWindow();
  Sleep(INFINITE);
  return 0;
}
