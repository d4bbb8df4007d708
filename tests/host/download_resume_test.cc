#include "installer/lite_installer/engine/download_resume.h"

#include <gtest/gtest.h>

namespace {

using lite_installer::KeepsPartialDownload;

TEST(DownloadResumeTest, PartialDataIsKeptFromOneTenthOn) {
  // 5 % of a 100 MB archive starts over; half of it resumes.
  EXPECT_FALSE(KeepsPartialDownload(5000000, 100000000));
  EXPECT_TRUE(KeepsPartialDownload(50000000, 100000000));
  // The edge: exactly one tenth resumes, one byte less starts over.
  EXPECT_TRUE(KeepsPartialDownload(10000000, 100000000));
  EXPECT_FALSE(KeepsPartialDownload(9999999, 100000000));
  EXPECT_TRUE(KeepsPartialDownload(100000000, 100000000));
}

TEST(DownloadResumeTest, TheTenthIsRoundedDown) {
  // 10 × 109 / 100 = 10 (not 10.9): ten bytes are enough.
  EXPECT_TRUE(KeepsPartialDownload(10, 109));
  EXPECT_FALSE(KeepsPartialDownload(9, 109));
  // Below ten bytes the tenth is 0, so anything resumes.
  EXPECT_TRUE(KeepsPartialDownload(0, 9));
  EXPECT_FALSE(KeepsPartialDownload(0, 10));
}

TEST(DownloadResumeTest, AnUnknownSizeKeepsWhateverWasWritten) {
  EXPECT_TRUE(KeepsPartialDownload(0, 0));
  EXPECT_TRUE(KeepsPartialDownload(12345, 0));
}

TEST(DownloadResumeTest, LargeAnnouncementsWrapIn32Bits) {
  // 500,000,000 × 10 wraps to 705,032,704, whose hundredth is 7,050,327.
  EXPECT_TRUE(KeepsPartialDownload(7050327, 500000000));
  EXPECT_FALSE(KeepsPartialDownload(7050326, 500000000));
  // The largest size that does not wrap.
  EXPECT_FALSE(KeepsPartialDownload(42949671, 429496729));
  EXPECT_TRUE(KeepsPartialDownload(42949672, 429496729));
}

}  // namespace
