// Roles in which a Windows test program runs itself as a child process.
#ifndef TESTS_WIN_TEST_SUPPORT_WIN_H_
#define TESTS_WIN_TEST_SUPPORT_WIN_H_

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

}  // namespace test

#endif  // TESTS_WIN_TEST_SUPPORT_WIN_H_
