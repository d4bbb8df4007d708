#include "installer/lite_installer/exit_codes.h"

#include <gtest/gtest.h>

#include <set>

namespace lite_installer {
namespace {

TEST(DescribeSetupExitCodeTest, Examples) {
  EXPECT_EQ(DescribeSetupExitCode(0), "SUCCESS_EXIT_CODE(0); error: 0");
  EXPECT_EQ(DescribeSetupExitCode(16777221), "GENERIC_ERROR(1); error: 5");
  EXPECT_EQ(DescribeSetupExitCode(7), "SUCCESS_EXIT_CODE(0); error: 7");
  EXPECT_EQ(DescribeSetupExitCode(16777215), "SUCCESS_EXIT_CODE(0); error: 16777215");
  EXPECT_EQ(DescribeSetupExitCode(33554432), "Exit code: 2; error: 0");
  EXPECT_EQ(DescribeSetupExitCode(static_cast<uint32_t>(-1)), "Exit code: 255; error: 16777215");
  EXPECT_EQ(DescribeSetupExitCode((117u << 24) | 42),
            "UNABLE_TO_SET_DIRECTORY_ACL(117); error: 42");
}

TEST(DescribeSetupExitCodeTest, EveryTopByte) {
  const std::set<uint32_t> named = {0, 1, 101, 105, 107, 108, 109, 110, 111, 112, 115, 116, 117};
  for (uint32_t kind = 0; kind < 256; ++kind) {
    const std::string text = DescribeSetupExitCode((kind << 24) | 0x123456);
    const std::string tail = "(" + std::to_string(kind) + "); error: 1193046";
    if (named.count(kind)) {
      ASSERT_GE(text.size(), tail.size()) << kind;
      EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << kind;
      EXPECT_EQ(text.find("Exit code: "), std::string::npos) << kind;
    } else {
      EXPECT_EQ(text, "Exit code: " + std::to_string(kind) + "; error: 1193046");
    }
  }
}

}  // namespace
}  // namespace lite_installer
