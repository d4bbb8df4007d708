// The file logger against the real file system and named mutexes, with
// several processes writing to one log at once.
#include "logging/file_logger.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "base/win/wide.h"
#include "logging/log_file_system_win.h"
#include "tests/support/files_win.h"
#include "tests/support/process_win.h"
#include "tests/win/test_support_win.h"

namespace {

constexpr int kWriters = 4;

// A record line: prefix, level, the writer's message and the location.
const std::regex kRecordLine(
    R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \d{2,}:\d{2,} INFO: writer (\d) record (\d+) x+ )"
    R"(\(\(anonymous namespace\)::ChildRole_log_writer:\d+\))");
const std::regex kNoteLine(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \d{2,}:\d{2,} LOGGING: .*)");

base::String16 ToString16(const std::wstring& wide) {
  return base::win::FromWide(wide.c_str(), wide.size());
}

void InstallLogger(const std::wstring& path, int64_t max_size) {
  logging::InstallLogSink(std::make_unique<logging::FileLogger>(ToString16(path), max_size,
                                                                logging::CreateWinLogFileSystem()));
}

// args: log path, writer id, record count, size limit.
TEST_CHILD_ROLE(log_writer) {
  if (args.size() != 4)
    return 2;
  InstallLogger(test::Widen(args[0]), std::stoll(args[3]));
  const int count = std::stoi(args[2]);
  const std::string padding(40 + std::stoi(args[1]) * 7, 'x');
  for (int i = 0; i < count; ++i)
    LOG(INFO) << "writer " << args[1] << " record " << i << " " << padding;
  logging::InstallLogSink(nullptr);
  return 0;
}

std::string Narrow(const std::wstring& wide) {
  return std::string(wide.begin(), wide.end());
}

void RunWriters(const std::wstring& log_path, int records, int64_t limit) {
  std::vector<base::win::ScopedHandle> writers;
  for (int id = 0; id < kWriters; ++id) {
    writers.push_back(test::StartChild(
        "log_writer",
        {Narrow(log_path), std::to_string(id), std::to_string(records), std::to_string(limit)}));
    ASSERT_TRUE(writers.back().IsValid());
  }
  for (auto& writer : writers)
    ASSERT_EQ(test::WaitForExitCode(writer.Get(), 120000), 0u);
}

TEST(FileLoggerWinTest, FourProcessesWriteEveryRecordWhole) {
  const std::wstring dir = test::MakeUniqueTempDir();
  const std::wstring log_path = dir + L"lite_installer.log";
  constexpr int kRecords = 2000;
  RunWriters(log_path, kRecords, 1 << 30);

  std::map<int, std::set<int>> seen;
  const std::vector<std::string> lines = test::ReadLines(log_path);
  ASSERT_EQ(lines.size(), static_cast<size_t>(kWriters * kRecords));
  for (const std::string& line : lines) {
    std::smatch match;
    ASSERT_TRUE(std::regex_match(line, match, kRecordLine)) << line;
    EXPECT_TRUE(seen[std::stoi(match[1])].insert(std::stoi(match[2])).second) << line;
  }
  for (int id = 0; id < kWriters; ++id)
    EXPECT_EQ(seen[id].size(), static_cast<size_t>(kRecords)) << id;
}

TEST(FileLoggerWinTest, RotationUnderConcurrencyKeepsLinesWholeAndFilesBounded) {
  const std::wstring dir = test::MakeUniqueTempDir();
  const std::wstring log_path = dir + L"lite_installer.log";
  const std::wstring old_path = dir + L"lite_installer_old.log";
  constexpr int64_t kLimit = 16384;
  RunWriters(log_path, 600, kLimit);

  size_t longest = 0;
  for (const std::wstring& path : {log_path, old_path}) {
    const std::string data = test::ReadWholeFile(path);
    ASSERT_FALSE(data.empty());
    ASSERT_EQ(data.back(), '\n');
    for (const std::string& line : test::ReadLines(path)) {
      EXPECT_TRUE(std::regex_match(line, kRecordLine)) << line;
      longest = std::max(longest, line.size() + 1);
    }
  }
  for (const std::wstring& path : {log_path, old_path})
    EXPECT_LE(test::ReadWholeFile(path).size(), static_cast<size_t>(kLimit) + longest);
}

TEST(FileLoggerWinTest, LockedOldLogIsNotedOnceAndRotationStops) {
  const std::wstring dir = test::MakeUniqueTempDir();
  const std::wstring log_path = dir + L"lite_installer.log";
  const std::wstring old_path = dir + L"lite_installer_old.log";
  // Another program holds the old log open without sharing.
  base::win::ScopedHandle locked(::CreateFileW(old_path.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                               nullptr, CREATE_ALWAYS, 0, nullptr));
  ASSERT_TRUE(locked.IsValid());

  constexpr int64_t kLimit = 2048;
  InstallLogger(log_path, kLimit);
  for (int i = 0; i < 100; ++i)
    LOG(INFO) << "record " << i << " " << std::string(60, 'y');
  logging::InstallLogSink(nullptr);

  const std::vector<std::string> lines = test::ReadLines(log_path);
  int notes = 0;
  for (const std::string& line : lines) {
    if (line.find("LOGGING: Failed to rotate log file ") != std::string::npos) {
      ++notes;
      EXPECT_TRUE(std::regex_match(line, kNoteLine)) << line;
      EXPECT_NE(line.find(Narrow(log_path) + ": -"), std::string::npos) << line;
    }
  }
  EXPECT_EQ(notes, 1);
  // Every record stayed in the one file, which grew past the limit.
  EXPECT_EQ(lines.size(), 101u);
  EXPECT_GT(test::ReadWholeFile(log_path).size(), static_cast<size_t>(kLimit));
  EXPECT_EQ(test::ReadWholeFile(old_path), "");
}

TEST(FileLoggerWinTest, StatementWithoutSinkLeavesNoTrace) {
  const std::wstring dir = test::MakeUniqueTempDir();
  logging::InstallLogSink(nullptr);
  LOG(INFO) << "nowhere";
  InstallLogger(dir + L"sub\\dir\\lite_installer.log", 1 << 20);
  LOG(INFO) << "somewhere";
  logging::InstallLogSink(nullptr);
  const std::vector<std::string> lines = test::ReadLines(dir + L"sub\\dir\\lite_installer.log");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("INFO: somewhere ("), std::string::npos);
}

TEST(FileLoggerWinTest, ErrorStatementsCarryTheSystemErrorText) {
  const std::wstring dir = test::MakeUniqueTempDir();
  const std::wstring log_path = dir + L"lite_installer.log";
  InstallLogger(log_path, 1 << 20);
  ::SetLastError(ERROR_ACCESS_DENIED);
  PLOG(ERROR) << "Denied";
  ::SetLastError(0x2000ABCD);
  PLOG(ERROR) << "Unknown";
  ::SetLastError(ERROR_ACCESS_DENIED);
  PLOG(ERROR) << "";
  logging::InstallLogSink(nullptr);

  const std::string log = test::ReadWholeFile(log_path);
  EXPECT_NE(log.find("ERROR: Denied - 5, Access denied"), std::string::npos) << log;
  EXPECT_NE(log.find("ERROR: Unknown - 536914893, unknown error 0x2000abcd\n ("), std::string::npos)
      << log;
  // An empty message gets no error text.
  EXPECT_NE(log.find("ERROR:  ("), std::string::npos) << log;
}

TEST(FileLoggerWinTest, StatementLeavesTheLastErrorAsItFoundIt) {
  const std::wstring dir = test::MakeUniqueTempDir();
  // A log in a folder that does not exist yet: the first write creates the
  // folder and the file, and each step sets the thread's last error.
  InstallLogger(dir + L"new\\lite_installer.log", 1 << 20);
  ::SetLastError(ERROR_FILE_NOT_FOUND);
  LOG(INFO) << "first";
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  PLOG(ERROR) << "Cannot open";
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  // The error line after another statement names the error of the failed
  // call, not one left by the log file's own open.
  ::SetLastError(ERROR_ACCESS_DENIED);
  LOG(INFO) << "about to fail";
  PLOG(ERROR) << "Denied";
  logging::InstallLogSink(nullptr);
  const std::string log = test::ReadWholeFile(dir + L"new\\lite_installer.log");
  EXPECT_NE(log.find("ERROR: Cannot open - 2, "), std::string::npos) << log;
  EXPECT_NE(log.find("ERROR: Denied - 5, Access denied"), std::string::npos) << log;
}

}  // namespace
