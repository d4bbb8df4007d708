// The crash reporter in a process that crashes (tests/win/crash_child_win.cc):
// the dump it leaves, read here by following the minidump's own directory,
// and the upload the local vendor services receive.
#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <shlwapi.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/win/wide.h"
#include "crash/scoped_crash_reporter.h"
#include "installer/util/user_id_platform_win.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"
#include "tests/support/process_win.h"
#include "tests/support/vendor_services_win.h"

namespace {

constexpr uint32_t kThreadListStream = 3;
constexpr uint32_t kExceptionStream = 6;
constexpr uint32_t kAnnotationsStream = 0x43500001;
constexpr DWORD kAccessViolation = 0xC0000005;
constexpr DWORD kBreakpoint = 0x80000003;

uint32_t U32(const std::string& bytes, size_t offset) {
  if (offset + 4 > bytes.size())
    return 0;
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
  return value;
}

// A minidump as its header and stream directory describe it.
struct Dump {
  std::string bytes;
  // Stream type -> (position, size); the last entry of a type.
  std::map<uint32_t, std::pair<uint32_t, uint32_t>> streams;

  bool Parse() {
    if (bytes.size() < 32 || bytes.compare(0, 4, "MDMP") != 0)
      return false;
    const uint32_t count = U32(bytes, 8);
    const uint32_t directory = U32(bytes, 12);
    if (directory + 12ull * count > bytes.size())
      return false;
    for (uint32_t i = 0; i < count; ++i) {
      const size_t entry = directory + 12 * i;
      streams[U32(bytes, entry)] = {U32(bytes, entry + 8), U32(bytes, entry + 4)};
    }
    return true;
  }
  uint32_t ExceptionCode() const {
    const auto stream = streams.find(kExceptionStream);
    return stream == streams.end() ? 0 : U32(bytes, stream->second.first + 8);
  }
  uint32_t ExceptionThread() const {
    const auto stream = streams.find(kExceptionStream);
    return stream == streams.end() ? 0 : U32(bytes, stream->second.first);
  }
  size_t ThreadCount() const {
    const auto stream = streams.find(kThreadListStream);
    return stream == streams.end() ? 0 : U32(bytes, stream->second.first);
  }
  // The annotations by their absolute positions, as a reader of the dump
  // finds them: the list's position from the stream, each string's from the
  // list.
  std::map<std::string, std::string> Annotations() const {
    std::map<std::string, std::string> result;
    const auto stream = streams.find(kAnnotationsStream);
    if (stream == streams.end())
      return result;
    const uint32_t list = U32(bytes, stream->second.first + 40);
    const uint32_t count = U32(bytes, list);
    auto text = [&](uint32_t position) {
      const uint32_t length = U32(bytes, position);
      return position + 4ull + length <= bytes.size() ? bytes.substr(position + 4, length)
                                                      : std::string("<out of the file>");
    };
    for (uint32_t i = 0; i < count; ++i)
      result[text(U32(bytes, list + 4 + 8 * i))] = text(U32(bytes, list + 8 + 8 * i));
    return result;
  }
};

std::vector<std::wstring> DumpFiles(const std::wstring& dir) {
  std::vector<std::wstring> files;
  WIN32_FIND_DATAW found;
  HANDLE find = ::FindFirstFileW((dir + L"*.dmp").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE)
    return files;
  do {
    files.push_back(dir + found.cFileName);
  } while (::FindNextFileW(find, &found));
  ::FindClose(find);
  return files;
}

struct ChildRun {
  std::wstring temp_dir = test::MakeUniqueTempDir();
  DWORD exit_code = STILL_ACTIVE;
  DWORD elapsed_ms = 0;

  // The one dump the run left; fails the test when there is not exactly one.
  Dump OnlyDump() const {
    Dump dump;
    const std::vector<std::wstring> files = DumpFiles(temp_dir);
    EXPECT_EQ(files.size(), 1u);
    if (files.size() == 1) {
      dump.bytes = test::ReadWholeFile(files[0]);
      EXPECT_TRUE(dump.Parse()) << "not a minidump";
    }
    return dump;
  }
  std::string Log() const { return test::ReadWholeFile(temp_dir + L"crash_child.log"); }
};

ChildRun RunCrashChild(const std::wstring& arguments, DWORD timeout_ms = 30000) {
  ChildRun run;
  const char* program = std::getenv("LITE_CRASH_CHILD_EXE");
  EXPECT_NE(program, nullptr);
  const std::wstring command =
      L"\"" + test::FromUnixPath(program ? program : "crash_child.exe") + L"\" " + arguments;
  const DWORD start = ::GetTickCount();
  base::win::ScopedHandle process = test::StartProcessWithTemp(command, run.temp_dir);
  EXPECT_TRUE(process.IsValid());
  run.exit_code = test::WaitForExitCode(process.Get(), timeout_ms);
  run.elapsed_ms = ::GetTickCount() - start;
  std::printf("crash_child %ls: %lu ms\n", arguments.c_str(),
              static_cast<unsigned long>(run.elapsed_ms));
  if (run.exit_code == STILL_ACTIVE)
    ::TerminateProcess(process.Get(), 1);
  return run;
}

bool IsGuidForm(const std::string& text) {
  if (text.size() != 36)
    return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
    const char c = text[i];
    if (dash ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
      return false;
  }
  return true;
}

TEST(CrashReporterTest, MainThreadCrashLeavesOneDumpWithItsAnnotations) {
  const ChildRun run = RunCrashChild(L"access_violation --no-upload --key=ptype=installer");
  // The filter installed before the reporter's still ran.
  ASSERT_EQ(run.exit_code, kAccessViolation);
  const Dump dump = run.OnlyDump();
  EXPECT_EQ(dump.ExceptionCode(), kAccessViolation);
  EXPECT_GE(dump.ThreadCount(), 1u);
  const std::map<std::string, std::string> annotations = dump.Annotations();
  EXPECT_EQ(annotations.size(), 7u);
  EXPECT_EQ(annotations.at("ptype"), "installer");
  EXPECT_EQ(annotations.at("prod"), "Velnor");
  EXPECT_EQ(annotations.at("plat"), "Win32");
  EXPECT_EQ(annotations.at("ver"), "24.10.4.931");
  EXPECT_EQ(annotations.at("gzip_enabled"), "true");
  EXPECT_TRUE(IsGuidForm(annotations.at("uid"))) << annotations.at("uid");
  const std::string report_id = annotations.at("report_id");
  EXPECT_TRUE(IsGuidForm(report_id)) << report_id;
  // The file is named after the report id.
  EXPECT_EQ(DumpFiles(run.temp_dir)[0], run.temp_dir + test::Widen(report_id) + L".dmp");
}

TEST(CrashReporterTest, DelayLoadTrapIsReported) {
  const ChildRun run = RunCrashChild(L"delay_load --no-upload");
  ASSERT_EQ(run.exit_code, kBreakpoint);
  EXPECT_EQ(run.OnlyDump().ExceptionCode(), kBreakpoint);
}

TEST(CrashReporterTest, OneDumpPerProcess) {
  // A second crash after the first was survived, and two threads crashing
  // at the same moment: one dump each time, and the process still ends.
  const ChildRun twice = RunCrashChild(L"twice --no-upload");
  EXPECT_EQ(twice.exit_code, 43u);
  twice.OnlyDump();
  const ChildRun threads = RunCrashChild(L"two_threads --no-upload");
  ASSERT_NE(threads.exit_code, STILL_ACTIVE);
  EXPECT_EQ(threads.OnlyDump().ExceptionCode(), kAccessViolation);
}

TEST(CrashReporterTest, GuardedCallKeepsItsCrashInEitherOrder) {
  // The guarded call's exception (0xE0000001) ends the call as a failure
  // and writes no dump; the later crash outside it is the one reported.
  for (const wchar_t* mode : {L"guarded_first", L"guarded_after"}) {
    const ChildRun run = RunCrashChild(std::wstring(mode) + L" --no-upload");
    ASSERT_NE(run.exit_code, 3u) << "the guarded call did not fail in "
                                 << (mode[7] == L'f' ? "guarded_first" : "guarded_after");
    ASSERT_NE(run.exit_code, STILL_ACTIVE);
    EXPECT_EQ(run.OnlyDump().ExceptionCode(), kAccessViolation);
  }
}

nlohmann::json CrashUpload(const test::VendorServices& vendor) {
  nlohmann::json upload;
  vendor.WaitFor([&](const nlohmann::json& record) {
    if (record.value("service", "") != "crash")
      return false;
    upload = record;
    return true;
  });
  return upload;
}

TEST(CrashReporterTest, UploadCarriesEveryAnnotationAndTheDump) {
  test::VendorServices vendor;
  ASSERT_TRUE(vendor.AddFault("/submit:status=500,count=1"));
  const ChildRun run = RunCrashChild(L"access_violation --key=brand_id=velnor --key=lang=tr");
  ASSERT_NE(run.exit_code, STILL_ACTIVE);
  const nlohmann::json upload = CrashUpload(vendor);
  ASSERT_FALSE(upload.is_null()) << "no crash upload arrived";
  // A refused upload leaves the dump: it is what the server received.
  const Dump dump = run.OnlyDump();
  const std::map<std::string, std::string> annotations = dump.Annotations();
  using Fields = std::map<std::string, std::string>;
  EXPECT_EQ(upload["fields"].get<Fields>(), annotations);
  EXPECT_EQ(annotations.at("brand_id"), "velnor");
  const nlohmann::json& file = upload["files"]["upload_file_minidump"];
  EXPECT_EQ(file.value("filename", ""), annotations.at("uid") + ".dmp");
  EXPECT_TRUE(test::ReadWholeFile(test::FromUnixPath(file.value("stored", ""))) == dump.bytes)
      << "the stored dump differs from the one kept";
  EXPECT_TRUE(upload.value("gzip", false));
  EXPECT_TRUE(upload.value("chunked", false));
  EXPECT_TRUE(upload.value("multipart", false));
  EXPECT_EQ(upload["query"].value("product", ""), "Velnor");
  EXPECT_EQ(upload["query"].value("version", ""), "24.10.4.931");
  EXPECT_FALSE(upload["query"].contains("guid"));
  const std::string agent = upload["headers"]["User-Agent"][0].get<std::string>();
  EXPECT_EQ(agent.rfind("Crashpad/0.8.0 WinHTTP/", 0), 0u) << agent;
  EXPECT_NE(run.Log().find("HTTP status 500"), std::string::npos) << run.Log();
}

TEST(CrashReporterTest, CrashOnAnotherThreadIsUploadedAndTheDumpDeleted) {
  test::VendorServices vendor;
  const ChildRun run = RunCrashChild(L"thread");
  ASSERT_EQ(run.exit_code, kAccessViolation);
  const nlohmann::json upload = CrashUpload(vendor);
  ASSERT_FALSE(upload.is_null()) << "no crash upload arrived";
  EXPECT_EQ(upload.value("status", 0), 200);
  EXPECT_EQ(upload["fields"].size(), 6u);
  EXPECT_TRUE(DumpFiles(run.temp_dir).empty());
  // What arrived is the crashing thread's dump.
  Dump dump;
  dump.bytes = test::ReadWholeFile(
      test::FromUnixPath(upload["files"]["upload_file_minidump"].value("stored", "")));
  ASSERT_TRUE(dump.Parse());
  EXPECT_EQ(dump.ExceptionCode(), kAccessViolation);
  EXPECT_GE(dump.ThreadCount(), 2u);
  EXPECT_NE(dump.ExceptionThread(), 0u);
  EXPECT_EQ(dump.Annotations().size(), 6u);
}

TEST(CrashReporterTest, ServerThatNeverAnswersTimesOut) {
  test::VendorServices vendor;
  ASSERT_TRUE(vendor.AddFault("/submit:stall=30,count=1"));
  const ChildRun run = RunCrashChild(L"access_violation --timeout=2", 20000);
  ASSERT_NE(run.exit_code, STILL_ACTIVE) << "the process did not end";
  EXPECT_LT(run.elapsed_ms, 15000u);
  run.OnlyDump();
  EXPECT_NE(run.Log().find("WinHttpReceiveResponse: "), std::string::npos) << run.Log();
}

LONG WINAPI EarlierFilter(EXCEPTION_POINTERS*) {
  return EXCEPTION_CONTINUE_SEARCH;
}

LONG WINAPI LaterFilter(EXCEPTION_POINTERS*) {
  return EXCEPTION_CONTINUE_SEARCH;
}

LPTOP_LEVEL_EXCEPTION_FILTER InstalledFilter() {
  const LPTOP_LEVEL_EXCEPTION_FILTER filter = ::SetUnhandledExceptionFilter(nullptr);
  ::SetUnhandledExceptionFilter(filter);
  return filter;
}

TEST(CrashReporterFilterTest, PutsBackThePreviousFilterOnlyOverItsOwn) {
  const LPTOP_LEVEL_EXCEPTION_FILTER original = ::SetUnhandledExceptionFilter(EarlierFilter);
  {
    crashpad::ScopedCrashReporter reporter;
    EXPECT_NE(InstalledFilter(), EarlierFilter);
  }
  EXPECT_EQ(InstalledFilter(), EarlierFilter);
  {
    crashpad::ScopedCrashReporter reporter;
    ::SetUnhandledExceptionFilter(LaterFilter);
  }
  // A filter installed after the reporter's stays installed.
  EXPECT_EQ(InstalledFilter(), LaterFilter);
  ::SetUnhandledExceptionFilter(original);
}

// The user identifier is the real user's: each test leaves neither the file
// nor the creation markers behind.
class CrashReporterUserIdTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = platform_.GetUserIdFilePath(true);
    ASSERT_FALSE(path_.empty());
    wchar_t name[257];
    DWORD size = 257;
    ASSERT_TRUE(::GetUserNameW(name, &size));
    marker_ = std::wstring(L"UICreated_") + name;
    TearDown();
  }
  void TearDown() override {
    ::DeleteFileW(base::win::AsWide(path_));
    ::SHDeleteValueW(HKEY_CURRENT_USER, L"Software\\AppDataLow\\Velnor", marker_.c_str());
    ::SHDeleteValueW(HKEY_CURRENT_USER, L"Software\\Velnor", marker_.c_str());
  }

  broupdater::UserIdPlatformWin platform_;
  base::String16 path_;
  std::wstring marker_;
};

TEST_F(CrashReporterUserIdTest, IdentifierWithoutBracesIsTheClientId) {
  ASSERT_TRUE(platform_.WriteFile(path_, "a1b2c3d4-0102-f0e0-ff00-102030405060"));
  ASSERT_TRUE(platform_.RememberUidIsCreated());
  const ChildRun run = RunCrashChild(L"access_violation --no-upload");
  ASSERT_EQ(run.exit_code, kAccessViolation);
  const Dump dump = run.OnlyDump();
  EXPECT_EQ(dump.Annotations().at("uid"), "A1B2C3D4-0102-F0E0-FF00-102030405060");
  // The client id field of the stream, in the GUID's in-memory layout.
  const auto stream = dump.streams.at(kAnnotationsStream);
  EXPECT_EQ(U32(dump.bytes, stream.first + 20), 0xA1B2C3D4u);
  EXPECT_EQ(dump.bytes.substr(stream.first + 28, 8),
            std::string("\xFF\x00\x10\x20\x30\x40\x50\x60", 8));
}

TEST_F(CrashReporterUserIdTest, NoIdentifierIsWarnedOnce) {
  // The marker without the file: the identifier is empty and not recreated.
  ASSERT_TRUE(platform_.RememberUidIsCreated());
  test::LogCapture log;
  { crashpad::ScopedCrashReporter reporter; }
  int warnings = 0;
  for (const std::string& line : log.Lines())
    warnings += line == "WARNING: uid not found, use empty";
  EXPECT_EQ(warnings, 1) << log.Lines().size();
}

}  // namespace
