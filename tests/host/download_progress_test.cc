#include <gtest/gtest.h>

#include "installer/util/download_writer.h"

namespace {

using installer::DownloadProgressTracker;

struct Recorder : installer::DownloadProgressDelegate {
  void OnProgress(float fraction) override { events.push_back("p" + std::to_string(fraction)); }
  void OnSlowDownload() override { events.push_back("slow"); }
  void OnTimeLeft(int seconds, int kind) override {
    events.push_back("t" + std::to_string(seconds) + "/" + std::to_string(kind));
  }
  std::vector<std::string> events;
};

TEST(DownloadProgressTest, ThreeMinuteDownloadEstimatesOncePerMinute) {
  Recorder recorder;
  DownloadProgressTracker tracker(&recorder, 1000);
  tracker.OnStart();
  // 180 s for 180 units: one unit per second, a chunk every 10 s.
  for (uint32_t second = 10; second <= 180; second += 10)
    tracker.OnChunk(second, 180, 1000 + second * 1000);
  tracker.OnFinished();
  std::vector<std::string> estimates;
  for (const std::string& event : recorder.events) {
    if (event[0] != 'p')
      estimates.push_back(event);
  }
  // Starts with "no estimate"; at 60 s: 120 s left, 180 s in all (slow);
  // at 120 s: 60 s left, still 180 s in all; at 180 s: 0 left.
  EXPECT_EQ(estimates, (std::vector<std::string>{"t-1/0", "slow", "t120/1", "slow", "t60/1", "slow",
                                                 "t0/1", "t0/2"}));
}

TEST(DownloadProgressTest, FastDownloadIsNotSlowAndUnknownLengthReportsNothing) {
  Recorder recorder;
  DownloadProgressTracker tracker(&recorder, 0);
  tracker.OnChunk(50, 0, 70000);
  EXPECT_TRUE(recorder.events.empty());
  tracker.OnChunk(60, 100, 60000);  // 40 s left of 100 s
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"p0.600000", "t40/1"}));
  DownloadProgressTracker silent(nullptr, 0);
  silent.OnStart();
  silent.OnChunk(1, 2, 100000);
  silent.OnFinished();
}

}  // namespace
