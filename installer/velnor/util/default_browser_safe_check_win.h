// The probe child as a real process.
#ifndef INSTALLER_VELNOR_UTIL_DEFAULT_BROWSER_SAFE_CHECK_WIN_H_
#define INSTALLER_VELNOR_UTIL_DEFAULT_BROWSER_SAFE_CHECK_WIN_H_

#include <windows.h>

#include "base/strings.h"
#include "base/win/scoped_handle_win.h"
#include "installer/velnor/util/default_browser_safe_check.h"

namespace installer::win10_default_browser {

class ProbeProcessWin : public ProbeProcess {
 public:
  // Starts the installer's own executable, or |program| when given.
  explicit ProbeProcessWin(base::String16 program = base::String16());
  // A child still running is terminated.
  ~ProbeProcessWin() override;

  base::String16 ProgramPath() override;
  bool Start(const base::String16& command_line) override;
  Exit WaitForExit(uint32_t timeout_ms) override;
  void Terminate(uint32_t exit_code) override;

  // The child started last; null before a start.
  HANDLE process() const { return process_.Get(); }

 private:
  base::String16 program_;
  base::win::ScopedHandle process_;
};

}  // namespace installer::win10_default_browser

#endif  // INSTALLER_VELNOR_UTIL_DEFAULT_BROWSER_SAFE_CHECK_WIN_H_
