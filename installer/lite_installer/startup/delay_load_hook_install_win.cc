// Makes DelayLoadFailureHook the program's delayed-loading hooks. Linked into
// each program as an object of its own: these definitions take the place of
// the runtime library's empty ones, so they are set before any code runs.
// The hook's header brings <delayimp.h>, which has no include guard.
#include "installer/lite_installer/startup/delay_load_hook_win.h"

extern "C" {
PfnDliHook __pfnDliNotifyHook2 = lite_installer::DelayLoadFailureHook;
PfnDliHook __pfnDliFailureHook2 = lite_installer::DelayLoadFailureHook;
}
