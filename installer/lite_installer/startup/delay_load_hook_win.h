// The handler of the delayed-loading mechanism through which every system
// library but the kernel and the accessibility library is bound. It notes
// when the windowing library is requested; a library or function that cannot
// be found ends the process with a breakpoint trap, after a message box when
// one can and may be shown.
#ifndef INSTALLER_LITE_INSTALLER_STARTUP_DELAY_LOAD_HOOK_WIN_H_
#define INSTALLER_LITE_INSTALLER_STARTUP_DELAY_LOAD_HOOK_WIN_H_

#include <windows.h>

#include <delayimp.h>

namespace lite_installer {

// Installed as both the notification and the failure hook. Returns null for
// the notifications (the default loading goes ahead); never returns for a
// failure.
FARPROC WINAPI DelayLoadFailureHook(unsigned notification, PDelayLoadInfo info);

// Whether the windowing library has been requested through the hook; once
// set, it stays set for the process.
bool WindowingLibraryRequested();

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_STARTUP_DELAY_LOAD_HOOK_WIN_H_
