#include "logging/file_logger.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace logging {
namespace {

using base::String16;

// An in-memory file system that records what the logger asked for and can be
// told to fail each step.
struct FakeState {
  std::map<String16, std::string> files;
  LockResult lock_result = LockResult::kAcquired;
  int locks_released = 0;
  bool fail_directories = false;
  bool fail_open = false;
  bool fail_length = false;
  uint32_t replace_error = 0;  // nonzero: ReplaceOldLog fails with it
  uint32_t move_error = 0;     // nonzero: MoveLog fails with it
  std::vector<String16> created_directories;
};

class FakeLock : public LogLock {
 public:
  FakeLock(FakeState* state, LockResult result) : state_(state), result_(result) {}
  ~FakeLock() override {
    if (result_ != LockResult::kFailed)
      ++state_->locks_released;
  }
  LockResult result() const override { return result_; }

 private:
  FakeState* state_;
  LockResult result_;
};

class FakeFile : public LogFile {
 public:
  FakeFile(FakeState* state, String16 path) : state_(state), path_(std::move(path)) {}
  bool GetLength(int64_t* length) override {
    if (state_->fail_length)
      return false;
    *length = static_cast<int64_t>(state_->files[path_].size());
    return true;
  }
  bool Append(std::string_view data) override {
    state_->files[path_].append(data);
    return true;
  }

 private:
  FakeState* state_;
  String16 path_;
};

class FakeFileSystem : public LogFileSystem {
 public:
  explicit FakeFileSystem(FakeState* state) : state_(state) {}
  std::string Md5Hex(std::string_view) override { return "0123456789abcdef0123456789abcdef"; }
  std::unique_ptr<LogLock> Lock(const String16&, uint32_t) override {
    return std::make_unique<FakeLock>(state_, state_->lock_result);
  }
  bool CreateDirectories(const String16& directory) override {
    state_->created_directories.push_back(directory);
    return !state_->fail_directories;
  }
  std::unique_ptr<LogFile> OpenForAppend(const String16& path) override {
    if (state_->fail_open)
      return nullptr;
    state_->files[path];
    return std::make_unique<FakeFile>(state_, path);
  }
  bool ReplaceOldLog(const String16& replaced,
                     const String16& replacement,
                     uint32_t* error) override {
    if (state_->replace_error) {
      *error = state_->replace_error;
      return false;
    }
    state_->files[replaced] = state_->files[replacement];
    state_->files.erase(replacement);
    return true;
  }
  bool MoveLog(const String16& from, const String16& to, uint32_t* error) override {
    if (state_->move_error) {
      *error = state_->move_error;
      return false;
    }
    state_->files[to] = state_->files[from];
    state_->files.erase(from);
    return true;
  }

 private:
  FakeState* state_;
};

constexpr char16_t kPath[] = u"C:\\Temp\\lite_installer.log";
constexpr char16_t kOldPath[] = u"C:\\Temp\\lite_installer_old.log";
// "2024-11-05 09:07:03.045 5120:6312 " is 34 bytes.
constexpr int64_t kTime = (13375271223LL * 1000 + 45) * 1000;
constexpr char kPrefix[] = "2024-11-05 09:07:03.045 5120:6312 ";

LogRecord Record(std::string message, int level = LOG_INFO) {
  LogRecord record;
  record.level = level;
  record.function = "wWinMain";
  record.line = 244;
  record.time = kTime;
  record.process_id = 5120;
  record.thread_id = 6312;
  record.message = std::move(message);
  return record;
}

std::string Line(const std::string& level_and_message) {
  return kPrefix + level_and_message + " (wWinMain:244)\n";
}

class FileLoggerTest : public ::testing::Test {
 protected:
  FileLogger MakeLogger(int64_t max_size = 1048576) {
    return FileLogger(kPath, max_size, std::make_unique<FakeFileSystem>(&state_));
  }
  FakeState state_;
};

TEST_F(FileLoggerTest, WritesTheLineFormatAndCreatesTheDirectory) {
  FileLogger logger = MakeLogger();
  EXPECT_EQ(logger.lock_name(), u"broupdater log 0123456789abcdef0123456789abcdef");
  logger.Emit(Record("Temporary path is: C:\\Users\\u\\AppData\\Local\\Temp\\"));
  logger.Emit(Record("two\nlines", LOG_ERROR));
  logger.Emit(Record("careful", LOG_WARNING));
  EXPECT_EQ(state_.files[kPath],
            Line("INFO: Temporary path is: C:\\Users\\u\\AppData\\Local\\Temp\\") +
                Line("ERROR: two\nlines") + Line("WARNING: careful"));
  EXPECT_EQ(state_.created_directories.front(), u"C:\\Temp");
  EXPECT_EQ(state_.locks_released, 3);
}

TEST_F(FileLoggerTest, NothingIsWrittenWhenTheFileOrDirectoryFails) {
  FileLogger logger = MakeLogger();
  state_.fail_directories = true;
  logger.Emit(Record("lost"));
  state_.fail_directories = false;
  state_.fail_open = true;
  logger.Emit(Record("lost too"));
  EXPECT_TRUE(state_.files.empty());
  EXPECT_EQ(state_.locks_released, 2);
}

TEST_F(FileLoggerTest, RotatesWhenTheRecordWouldReachTheLimit) {
  const std::string first = Line("INFO: aaaa");
  // The check counts the file, the prefix and the message (not the level or
  // the location): exactly at the limit rotates, one below does not.
  const int64_t limit = static_cast<int64_t>(first.size() + std::strlen(kPrefix) + 4);
  FileLogger logger = MakeLogger(limit);
  state_.files[kOldPath] = "older log";
  logger.Emit(Record("aaaa"));
  logger.Emit(Record("bbb"));
  EXPECT_EQ(state_.files[kPath], first + Line("INFO: bbb"));
  logger.Emit(Record("cccc"));
  EXPECT_EQ(state_.files[kOldPath], first + Line("INFO: bbb"));
  EXPECT_EQ(state_.files[kPath], Line("INFO: cccc"));
}

TEST_F(FileLoggerTest, FallsBackToMoveWhenReplaceFails) {
  FileLogger logger = MakeLogger(10);
  state_.files[kPath] = "0123456789";
  state_.replace_error = 2;  // no old log to replace yet
  logger.Emit(Record("x"));
  EXPECT_EQ(state_.files[kOldPath], "0123456789");
  EXPECT_EQ(state_.files[kPath], Line("INFO: x"));
}

TEST_F(FileLoggerTest, FailedRotationIsNotedOnceAndNeverRetried) {
  struct Case {
    uint32_t replace_error;
    uint32_t move_error;
    int reported;
  } cases[] = {
      {32, 5, -2},  // sharing violation on replace wins
      {2, 5, -5},   // replace "not found": the move's error is reported
      {2, 3, -4},   // both not found
      {1224, 1, -10}, {12345, 1, -1},
  };
  for (const Case& c : cases) {
    FakeState state;
    FileLogger logger(kPath, 10, std::make_unique<FakeFileSystem>(&state));
    state.files[kPath] = "0123456789";
    state.replace_error = c.replace_error;
    state.move_error = c.move_error;
    logger.Emit(Record("first"));
    logger.Emit(Record("second"));
    EXPECT_EQ(state.files[kPath],
              "0123456789" + std::string(kPrefix) +
                  "LOGGING: Failed to rotate log file C:\\Temp\\lite_installer.log: " +
                  std::to_string(c.reported) + "\n" + Line("INFO: first") + Line("INFO: second"))
        << c.replace_error;
    EXPECT_EQ(state.files.count(kOldPath), 0u);
  }
}

TEST_F(FileLoggerTest, UnknownLengthSkipsRotationThisTime) {
  FileLogger logger = MakeLogger(10);
  state_.files[kPath] = "0123456789";
  state_.fail_length = true;
  logger.Emit(Record("kept"));
  EXPECT_EQ(state_.files[kPath], "0123456789" + Line("INFO: kept"));
  state_.fail_length = false;
  logger.Emit(Record("now"));
  EXPECT_EQ(state_.files[kPath], Line("INFO: now"));
}

TEST_F(FileLoggerTest, LockNotes) {
  FileLogger logger = MakeLogger();
  state_.lock_result = LockResult::kFailed;
  logger.Emit(Record("a"));
  logger.Emit(Record("b"));
  state_.lock_result = LockResult::kAbandoned;
  logger.Emit(Record("c"));
  logger.Emit(Record("d"));
  const std::string abandoned = std::string(kPrefix) +
                                "LOGGING: Abandoned log mutex recovered for file "
                                "C:\\Temp\\lite_installer.log\n";
  EXPECT_EQ(state_.files[kPath],
            std::string(kPrefix) +
                "LOGGING: Failed to lock log file C:\\Temp\\lite_installer.log\n" +
                Line("INFO: a") + Line("INFO: b") + abandoned + Line("INFO: c") + abandoned +
                Line("INFO: d"));
  // A failed lock is not released; abandoned ones are.
  EXPECT_EQ(state_.locks_released, 2);
}

TEST_F(FileLoggerTest, OverlongFunctionNameDropsTheRecord) {
  FileLogger logger = MakeLogger();
  LogRecord record = Record("x");
  record.function = std::string(250, 'f');
  logger.Emit(record);
  EXPECT_EQ(state_.files.count(kPath), 0u);
}

TEST(FileLoggerPathsTest, OldLogPathAndDirectory) {
  EXPECT_EQ(FileLogger::OldLogPath(u"C:\\T\\lite_installer.log"), u"C:\\T\\lite_installer_old.log");
  EXPECT_EQ(FileLogger::OldLogPath(u"lite_installer.log"), u"lite_installer_old.log");
  EXPECT_EQ(FileLogger::OldLogPath(u"C:\\d.x\\log"), u"C:\\d.x\\log_old");
  EXPECT_EQ(FileLogger::DirectoryOf(u"lite_installer.log"), u"");
  EXPECT_EQ(FileLogger::DirectoryOf(u"C:\\T\\a.log"), u"C:\\T");
}

}  // namespace
}  // namespace logging
