// The WinINet downloader against the local vendor services.
#include "installer/util/downloader_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "tests/support/files_win.h"

namespace {

using installer::DownloadProgressDelegate;
using installer::StringDownloadWriter;

// For the tests that are not about the size limit.
constexpr uint32_t kNoPracticalLimit = 64 * 1024 * 1024;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

base::String16 Url(const std::string& path) {
  return base::ASCIIToUTF16(Env("LITE_VENDOR_URL") + path);
}

std::string ServedFile(const std::string& path) {
  std::string unix_path = Env("LITE_VENDOR_STATE");
  unix_path.append("/data").append(path);
  return test::ReadWholeFile(test::FromUnixPath(unix_path));
}

// The journal records of requests for |path|, oldest first.
std::vector<nlohmann::json> JournalFor(const std::string& path) {
  std::string unix_path = Env("LITE_VENDOR_STATE");
  unix_path.append("/journal.jsonl");
  std::vector<nlohmann::json> records;
  for (const std::string& line : test::ReadLines(test::FromUnixPath(unix_path))) {
    nlohmann::json record = nlohmann::json::parse(line, nullptr, false);
    if (!record.is_discarded() && record["path"] == path)
      records.push_back(record);
  }
  return records;
}

struct RecordingDelegate : DownloadProgressDelegate {
  void OnProgress(float fraction) override { fractions.push_back(fraction); }
  void OnSlowDownload() override { ++slow; }
  void OnTimeLeft(int seconds, int kind) override { time_left.emplace_back(seconds, kind); }
  std::vector<float> fractions;
  std::vector<std::pair<int, int>> time_left;
  int slow = 0;
};

struct Result {
  bool ok;
  std::string error;
  std::string redirect;
  uint32_t total;
};

Result Download(const std::string& path,
                installer::DownloadWriter* writer,
                DownloadProgressDelegate* delegate = nullptr,
                HANDLE stop = nullptr,
                uint32_t timeout_ms = installer::kDefaultReceiveTimeoutMs) {
  Result result{};
  result.ok = installer::DownloadFile(Url(path), writer, &result.error, &result.redirect,
                                      &result.total, stop, delegate, nullptr, timeout_ms);
  return result;
}

TEST(DownloaderTest, ProgressFromZeroToOneWithContentLength) {
  StringDownloadWriter writer(kNoPracticalLimit);
  RecordingDelegate delegate;
  const Result result = Download("/files/big.bin", &writer, &delegate);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(writer.data(), ServedFile("/files/big.bin"));
  EXPECT_EQ(result.total, 1048576u);
  ASSERT_GE(delegate.fractions.size(), 3u);
  EXPECT_EQ(delegate.fractions.front(), 0.0f);
  EXPECT_EQ(delegate.fractions.back(), 1.0f);
  for (size_t i = 1; i < delegate.fractions.size(); ++i)
    EXPECT_GE(delegate.fractions[i], delegate.fractions[i - 1]);
  EXPECT_EQ(delegate.time_left.front(), std::make_pair(-1, 0));
  EXPECT_EQ(delegate.time_left.back(), std::make_pair(0, 2));
  EXPECT_EQ(delegate.slow, 0);

  // The platform headers go out once each, with a single Accept line.
  const nlohmann::json request = JournalFor("/files/big.bin").back();
  EXPECT_EQ(request["headers"]["Accept"].size(), 1u) << request.dump();
  EXPECT_EQ(request["headers"]["Sec-CH-UA-Platform"][0], "\"Windows\"");
  EXPECT_EQ(request["headers"]["User-Agent"][0], "Velnor.Browser lite installer");
}

TEST(DownloaderTest, WithoutContentLengthOnlyTheEndIsReported) {
  StringDownloadWriter writer(kNoPracticalLimit);
  RecordingDelegate delegate;
  const Result result = Download("/chunked/big.bin", &writer, &delegate);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(writer.data(), ServedFile("/chunked/big.bin"));
  EXPECT_EQ(delegate.fractions, (std::vector<float>{0.0f, 1.0f}));
  EXPECT_EQ(delegate.time_left, (std::vector<std::pair<int, int>>{{-1, 0}, {0, 2}}));
}

TEST(DownloaderTest, NotFoundNamesTheStatus) {
  StringDownloadWriter writer(kNoPracticalLimit);
  const Result result = Download("/missing/file", &writer);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error.rfind("final_query_info-404-", 0), 0u) << result.error;
  EXPECT_EQ(writer.size(), 0u);
}

TEST(DownloaderTest, RedirectIsRecorded) {
  StringDownloadWriter writer(kNoPracticalLimit);
  const Result result = Download("/redirect/x", &writer);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(writer.data(), "small answer");
  EXPECT_EQ(result.redirect, Env("LITE_VENDOR_URL") + "/files/small.bin");
}

TEST(DownloaderTest, PartlyWrittenSinkResumesWithARangeRequest) {
  const std::string file = ServedFile("/files/big.bin");
  StringDownloadWriter writer(kNoPracticalLimit);
  writer.Write(reinterpret_cast<const uint8_t*>(file.data()), 1000);
  const Result result = Download("/files/big.bin", &writer);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(writer.data(), file);
  EXPECT_EQ(result.total, file.size());
  const nlohmann::json request = JournalFor("/files/big.bin").back();
  EXPECT_EQ(request["range"], "bytes=1000-");
  EXPECT_EQ(request["status"], 206);
  EXPECT_EQ(request["bytes_sent"], file.size() - 1000);
}

TEST(DownloaderTest, ServerIgnoringTheRangeStartsTheSinkOver) {
  const std::string file = ServedFile("/norange/big.bin");
  StringDownloadWriter writer(kNoPracticalLimit);
  writer.Write(reinterpret_cast<const uint8_t*>("garbage"), 7);
  const Result result = Download("/norange/big.bin", &writer);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(writer.data(), file);
}

TEST(DownloaderTest, DroppedConnectionThenResumeTransfersEachByteOnce) {
  const std::string file = ServedFile("/drop/big.bin");
  StringDownloadWriter writer(kNoPracticalLimit);
  const Result first = Download("/drop/big.bin", &writer);
  EXPECT_FALSE(first.ok);
  EXPECT_EQ(first.error.rfind("internet_read-", 0), 0u) << first.error;
  EXPECT_EQ(writer.size(), 300000u);
  const Result second = Download("/drop/big.bin", &writer);
  ASSERT_TRUE(second.ok) << second.error;
  EXPECT_EQ(writer.data(), file);

  const std::vector<nlohmann::json> requests = JournalFor("/drop/big.bin");
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0]["bytes_sent"], 300000);
  EXPECT_TRUE(requests[0]["range"].is_null());
  EXPECT_EQ(requests[1]["range"], "bytes=300000-");
  EXPECT_EQ(requests[0]["bytes_sent"].get<uint64_t>() + requests[1]["bytes_sent"].get<uint64_t>(),
            file.size());
}

TEST(DownloaderTest, StalledServerFailsTheAttemptAfterTheTimeout) {
  StringDownloadWriter writer(kNoPracticalLimit);
  const DWORD start = ::GetTickCount();
  const Result result = Download("/stall/big.bin", &writer, nullptr, nullptr, 1500);
  const DWORD elapsed = ::GetTickCount() - start;
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error.rfind("internet_read-", 0), 0u) << result.error;
  EXPECT_LT(elapsed, 20000u);
}

TEST(DownloaderTest, StopEventLeavesTheTargetUntouched) {
  const std::wstring dir = test::MakeUniqueTempDir();
  const base::String16 target = base::win::FromWide(dir.c_str(), dir.size()) + u"target.bin";
  {
    base::win::ScopedHandle file(::CreateFileW(base::win::AsWide(target), GENERIC_WRITE, 0, nullptr,
                                               CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    ::WriteFile(file.Get(), "old", 3, &written, nullptr);
  }
  base::win::ScopedHandle stop(::CreateEventW(nullptr, TRUE, TRUE, nullptr));
  installer::Downloader downloader;
  EXPECT_FALSE(
      downloader.DownloadToFile(Env("LITE_VENDOR_URL") + "/files/big.bin", target, stop.Get()));
  EXPECT_EQ(test::ReadWholeFile(std::wstring(base::win::AsWide(target))), "old");

  ::ResetEvent(stop.Get());
  EXPECT_TRUE(
      downloader.DownloadToFile(Env("LITE_VENDOR_URL") + "/files/small.bin", target, stop.Get()));
  EXPECT_EQ(test::ReadWholeFile(std::wstring(base::win::AsWide(target))), "small answer");
}

TEST(DownloaderTest, StringDownloadAndResponseHeaders) {
  installer::Downloader downloader;
  std::string bytes;
  ASSERT_TRUE(
      downloader.DownloadToString(Env("LITE_VENDOR_URL") + "/files/seed", nullptr, 14, &bytes));
  EXPECT_EQ(bytes, "seed bytes \001\002");
  EXPECT_EQ(downloader.GetResponseHeader("X-Seed-Signature"), "c2lnbmF0dXJl");
  EXPECT_EQ(downloader.GetResponseHeader("x-country"), "ru");
  EXPECT_EQ(downloader.GetResponseHeader("X-Absent"), "");
}

// An answer past the sink's limit fails the download with the write step's
// error, with or without a length announced; one of exactly the limit is
// whole.
TEST(DownloaderTest, AnswerPastTheLimitFailsTheDownload) {
  std::string bytes;
  installer::Downloader exact;
  EXPECT_TRUE(exact.DownloadToString(Env("LITE_VENDOR_URL") + "/files/seed", nullptr, 13, &bytes));
  EXPECT_EQ(bytes, "seed bytes \001\002");
  installer::Downloader short_by_one;
  bytes = "kept";
  EXPECT_FALSE(
      short_by_one.DownloadToString(Env("LITE_VENDOR_URL") + "/files/seed", nullptr, 12, &bytes));
  EXPECT_EQ(short_by_one.error_text(), "write_file-223");
  EXPECT_EQ(bytes, "kept");

  for (const char* path : {"/files/big.bin", "/chunked/big.bin"}) {
    StringDownloadWriter writer(64 * 1024);
    std::string error;
    EXPECT_FALSE(installer::DownloadFile(Url(path), &writer, &error, nullptr, nullptr, nullptr,
                                         nullptr, nullptr))
        << path;
    EXPECT_EQ(error, "write_file-223") << path;
    EXPECT_TRUE(writer.LimitExceeded()) << path;
    EXPECT_LE(writer.size(), 64u * 1024) << path;
  }
}

TEST(DownloaderTest, UnreachableServerFailsToOpen) {
  StringDownloadWriter writer(kNoPracticalLimit);
  std::string error;
  EXPECT_FALSE(installer::DownloadFile(u"http://127.0.0.1:1/x", &writer, &error, nullptr, nullptr,
                                       nullptr, nullptr, nullptr));
  EXPECT_EQ(error.rfind("internet_open_url-", 0), 0u) << error;
}

}  // namespace
