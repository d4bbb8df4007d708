// The log capture every test tier uses: records from other threads, and the
// wait for a line.
#include "tests/support/log_capture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "logging/log_message.h"

namespace {

TEST(LogCaptureTest, WaitsForALineThatAnotherThreadLogsLater) {
  test::LogCapture log;
  LOG(INFO) << "first";
  std::thread writer([] {
    for (int i = 0; i < 200; ++i)
      LOG(INFO) << "noise " << i;
    LOG(ERROR) << "the line " << 42;
  });
  EXPECT_TRUE(log.WaitFor("ERROR: the line 42"));
  writer.join();
  EXPECT_EQ(log.records().size(), 202u);
  EXPECT_EQ(log.Lines().front(), "INFO: first");
}

TEST(LogCaptureTest, AWaitForALineThatNeverComesEndsAtItsLimit) {
  test::LogCapture log;
  LOG(INFO) << "something else";
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(log.WaitFor("never logged", 100));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  // A line logged before the wait counts.
  EXPECT_TRUE(log.WaitFor("something", 0));
  log.Clear();
  EXPECT_FALSE(log.Has("something"));
}

}  // namespace
