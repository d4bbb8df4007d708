// Helpers for tests that run under Wine: roles in which the test program runs
// itself as a child process, processes started with their own temporary
// directory, and file reading.
#ifndef TESTS_WIN_TEST_SUPPORT_WIN_H_
#define TESTS_WIN_TEST_SUPPORT_WIN_H_

#include <windows.h>

#include <string>
#include <vector>

#include "base/win/scoped_handle_win.h"

namespace test {

// A role's entry point; its return value is the child's exit code.
using ChildMain = int (*)(const std::vector<std::string>& args);

struct ChildRegistration {
  ChildRegistration(const char* role, ChildMain main);
};

#define TEST_CHILD_ROLE(role)                                                          \
  static int ChildRole_##role(const std::vector<std::string>& args);                   \
  static ::test::ChildRegistration child_registration_##role(#role, ChildRole_##role); \
  static int ChildRole_##role([[maybe_unused]] const std::vector<std::string>& args)

// Runs the role named by "--child-role=NAME" when present; false otherwise.
bool RunChildRoleIfRequested(int argc, char** argv, int* exit_code);

// Starts this program in |role| with |args|; an invalid handle on failure.
base::win::ScopedHandle StartChild(const std::string& role, const std::vector<std::string>& args);

// Starts |command_line| with TMP and TEMP pointing at |temp_dir|.
base::win::ScopedHandle StartProcessWithTemp(const std::wstring& command_line,
                                             const std::wstring& temp_dir);

// The process's exit code once it ends within |timeout_ms|; STILL_ACTIVE
// (259) when it did not end in time.
DWORD WaitForExitCode(HANDLE process, DWORD timeout_ms);

// A new empty directory under the system temporary directory, with a
// trailing backslash.
std::wstring MakeUniqueTempDir();

std::string ReadWholeFile(const std::wstring& path);
std::vector<std::string> ReadLines(const std::wstring& path);

// "/unix/path" as Wine shows it ("Z:\unix\path"); Windows paths unchanged.
std::wstring FromUnixPath(const std::string& path);

std::wstring Widen(const std::string& ascii);

}  // namespace test

#endif  // TESTS_WIN_TEST_SUPPORT_WIN_H_
