// The fire-and-forget sender against the local vendor services.
#include "installer/util/async_http_request_sender_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"
#include "tests/support/process_win.h"

namespace {

using install_util::AsyncHttpRequestSender;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string UniqueTag() {
  static int counter = 0;
  return std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(++counter);
}

// Paths of the statistics requests journaled so far that contain |tag|.
std::vector<std::string> Received(const std::string& tag) {
  std::string path = Env("LITE_VENDOR_STATE");
  path.append("/journal.jsonl");
  std::vector<std::string> paths;
  for (const std::string& line : test::ReadLines(test::FromUnixPath(path))) {
    const nlohmann::json record = nlohmann::json::parse(line, nullptr, false);
    if (!record.is_discarded() && record.value("service", "") == "statistics" &&
        record["path"].get<std::string>().find(tag) != std::string::npos)
      paths.push_back(record["path"]);
  }
  return paths;
}

std::vector<std::string> WaitForReceived(const std::string& tag, size_t count) {
  std::vector<std::string> paths;
  test::WaitUntil([&] {
    paths = Received(tag);
    return paths.size() >= count;
  });
  return paths;
}

base::String16 StatsUrl(const std::string& segment) {
  return base::ASCIIToUTF16(Env("LITE_VENDOR_URL") + "/installstats/send/dtype=stred/pid=457/" +
                            segment);
}

TEST(AsyncHttpRequestSenderTest, QueuedPingsArriveInOrder) {
  const std::string tag = UniqueTag();
  AsyncHttpRequestSender sender;
  for (int i = 1; i <= 3; ++i)
    ASSERT_TRUE(sender.Send(StatsUrl("t=" + tag + "/n=" + std::to_string(i))));
  const std::vector<std::string> paths = WaitForReceived(tag, 3);
  ASSERT_EQ(paths.size(), 3u);
  for (int i = 0; i < 3; ++i)
    EXPECT_NE(paths[i].find("n=" + std::to_string(i + 1)), std::string::npos) << paths[i];
}

TEST(AsyncHttpRequestSenderTest, UnreachablePortIsLoggedAndTheNextPingIsSent) {
  test::LogCapture log;
  const std::string tag = UniqueTag();
  {
    AsyncHttpRequestSender sender;
    sender.Send(u"http://127.0.0.1:1/installstats/send/unreachable");
    sender.Send(StatsUrl("t=" + tag));
    EXPECT_EQ(WaitForReceived(tag, 1).size(), 1u);
  }
  EXPECT_TRUE(log.Has("ERROR: Failed to open http://127.0.0.1:1/installstats/send/unreachable - "));
}

// Records what it was asked to send and holds each request until released.
class HoldingSender : public AsyncHttpRequestSender {
 public:
  HoldingSender(std::vector<base::String16>* sent, HANDLE release)
      : sent_(sent), release_(release), started_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~HoldingSender() override { StopSending(); }
  void SendUrl(const base::String16& url) override {
    sent_->push_back(url);
    ::SetEvent(started_.Get());
    ::WaitForSingleObject(release_, 10000);
  }
  // Set once the first request is in progress.
  HANDLE started() const { return started_.Get(); }

 private:
  std::vector<base::String16>* const sent_;
  const HANDLE release_;
  base::win::ScopedHandle started_;
};

// Tells when its first request goes out, and sends it as the sender does.
class SignallingSender : public AsyncHttpRequestSender {
 public:
  SignallingSender() : started_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~SignallingSender() override { StopSending(); }
  void SendUrl(const base::String16& url) override {
    ::SetEvent(started_.Get());
    AsyncHttpRequestSender::SendUrl(url);
  }
  HANDLE started() const { return started_.Get(); }

 private:
  base::win::ScopedHandle started_;
};

TEST(AsyncHttpRequestSenderTest, DestroyingTheSenderDropsWhatIsQueued) {
  std::vector<base::String16> sent;
  base::win::ScopedHandle release(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  auto sender = std::make_unique<HoldingSender>(&sent, release.Get());
  sender->Send(u"http://127.0.0.1:1/a");
  sender->Send(u"http://127.0.0.1:1/b");
  sender->Send(u"http://127.0.0.1:1/c");
  // "a" is in progress, "b" and "c" are queued.
  ASSERT_EQ(::WaitForSingleObject(sender->started(), 10000), WAIT_OBJECT_0);
  // "a" ends once the destruction below has begun. Nothing outside the
  // sender marks the moment its stop is requested, so the release comes a
  // while later; released too early, "b" would be sent and the test fail.
  HANDLE releaser = ::CreateThread(
      nullptr, 0,
      [](void* event) -> DWORD {
        ::Sleep(300);
        ::SetEvent(event);
        return 0;
      },
      release.Get(), 0, nullptr);
  sender.reset();  // waits for "a" to end
  ::WaitForSingleObject(releaser, INFINITE);
  ::CloseHandle(releaser);
  EXPECT_EQ(sent, (std::vector<base::String16>{u"http://127.0.0.1:1/a"}));
}

TEST(AsyncHttpRequestSenderTest, ServerThatNeverAnswersCannotHoldTheShutdown) {
  const DWORD start = ::GetTickCount();
  {
    SignallingSender sender;
    sender.Send(base::ASCIIToUTF16(Env("LITE_VENDOR_URL") + "/installstats/send/stall/x"));
    // Destroyed while the request to the stalled service is under way.
    ASSERT_EQ(::WaitForSingleObject(sender.started(), 10000), WAIT_OBJECT_0);
  }
  EXPECT_LT(::GetTickCount() - start, 8000u);
}

}  // namespace
