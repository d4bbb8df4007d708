// Processes that tests start: with an environment of their own or a
// temporary directory of their own, and their exit codes.
#ifndef TESTS_SUPPORT_PROCESS_WIN_H_
#define TESTS_SUPPORT_PROCESS_WIN_H_

#include <windows.h>

#include <string>

#include "base/win/scoped_handle_win.h"

namespace test {

// Starts |command_line| with |environment| (a Unicode block; null: this
// process's); an invalid handle on failure.
base::win::ScopedHandle StartProcess(std::wstring command_line, const wchar_t* environment);

// Starts |command_line| with TMP and TEMP pointing at |temp_dir|.
base::win::ScopedHandle StartProcessWithTemp(const std::wstring& command_line,
                                             const std::wstring& temp_dir);

// The process's exit code once it ends within |timeout_ms|; STILL_ACTIVE
// (259) when it did not end in time.
DWORD WaitForExitCode(HANDLE process, DWORD timeout_ms);

// Waits up to |timeout_ms| for |condition|, checking every few milliseconds;
// true as soon as it holds.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeout_ms = 10000) {
  // Elapsed time by unsigned difference: correct across the tick count's wrap.
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (condition())
      return true;
    if (::GetTickCount() - start >= timeout_ms)
      return false;
    ::Sleep(10);
  }
}

}  // namespace test

#endif  // TESTS_SUPPORT_PROCESS_WIN_H_
