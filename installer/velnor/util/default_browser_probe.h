// The interface probe run: a child another installer process starts to test
// the default-browser interface; it ends with 700 or 701.
#ifndef INSTALLER_VELNOR_UTIL_DEFAULT_BROWSER_PROBE_H_
#define INSTALLER_VELNOR_UTIL_DEFAULT_BROWSER_PROBE_H_

// True when the command line asks for the probe; |*exit_code| then holds the
// probe's result.
bool HandleWin10DefaultBrowserCommand(int* exit_code);

#endif  // INSTALLER_VELNOR_UTIL_DEFAULT_BROWSER_PROBE_H_
