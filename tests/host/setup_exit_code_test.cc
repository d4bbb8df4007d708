#include "installer/lite_installer/engine/setup_exit_code.h"

#include <gtest/gtest.h>

#include "installer/lite_installer/engine/install_result.h"

namespace {

using lite_installer::SetupExitCodeResult;

TEST(SetupExitCodeTest, SevenAndEightHaveResultsOfTheirOwn) {
  EXPECT_EQ(SetupExitCodeResult(7), kInstallAlreadyInProgramFiles);
  EXPECT_EQ(SetupExitCodeResult(8), kInstallVersionFolderLocked);
  EXPECT_EQ(kInstallAlreadyInProgramFiles, 5);
  EXPECT_EQ(kInstallVersionFolderLocked, 6);
}

TEST(SetupExitCodeTest, EveryOtherCodeIsACompletedRun) {
  // The setup's failures, its neighbours of 7 and 8, the installer's own
  // "no result" code and codes that carry 7 or 8 only in their low bits.
  for (int32_t code : {0, 1, 3, 5, 6, 9, 400, -1, 0x01000007, 0x01000008, 0x107})
    EXPECT_EQ(SetupExitCodeResult(code), kInstallSuccess) << code;
}

}  // namespace
