// Entry point of the Windows test programs: either a child role started by a
// test, or the GoogleTest run.
#include <gtest/gtest.h>
#include "tests/win/test_support_win.h"

int main(int argc, char** argv) {
  int exit_code = 0;
  if (test::RunChildRoleIfRequested(argc, argv, &exit_code))
    return exit_code;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
