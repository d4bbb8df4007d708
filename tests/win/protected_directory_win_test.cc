// The restart from a protected directory, run for real: Wine offers the
// hardening calls, so the installer never takes this branch by itself and
// these tests call it directly from a child role of their own.
#include "installer/lite_installer/startup/protected_directory_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "base/win/wide.h"
#include "installer/lite_installer/startup/secure_environment_win.h"
#include "logging/log_message.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"
#include "tests/support/process_win.h"
#include "tests/win/test_support_win.h"

namespace {

using lite_installer::RunInProtectedDirectory;
using lite_installer::SecureEnvironmentResult;

// The environment carries the test's wishes through the copy's start, which
// keeps only switches of the command line.
constexpr wchar_t kReportVariable[] = L"LITE_PROTECTED_REPORT";
constexpr wchar_t kPlantVariable[] = L"LITE_PROTECTED_PLANT";
constexpr wchar_t kExitVariable[] = L"LITE_PROTECTED_EXIT";

std::wstring Variable(const wchar_t* name) {
  wchar_t value[1024];
  const DWORD length = ::GetEnvironmentVariableW(name, value, 1024);
  return length > 0 && length < 1024 ? std::wstring(value, length) : std::wstring();
}

void AppendLine(const std::wstring& path, const std::wstring& line) {
  const std::string bytes = base::UTF16ToUTF8(base::win::FromWide(line.c_str())) + "\n";
  HANDLE file = ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return;
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

std::wstring OwnPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, length);
}

std::wstring CurrentDirectory() {
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetCurrentDirectoryW(MAX_PATH, path);
  return std::wstring(path, length);
}

// A whole run's start: the parent restarts itself from a protected
// directory; the copy (the same role, marked by its switch) reports where
// and how it runs, may plant a library beside itself, and ends the way the
// start of a run would. Each writes "parent:" or "copy:" lines to the report.
TEST_CHILD_ROLE(protected_run) {
  const std::wstring report = Variable(kReportVariable);
  test::LogCapture log;
  const bool is_copy =
      std::wstring(::GetCommandLineW()).find(L"spawned_in_protected_dir") != std::wstring::npos;
  if (is_copy) {
    AppendLine(report, L"copy:path=" + OwnPath());
    AppendLine(report, L"copy:cwd=" + CurrentDirectory());
    AppendLine(report, L"copy:command=" + std::wstring(::GetCommandLineW()));
    if (!Variable(kPlantVariable).empty()) {
      const std::wstring own = OwnPath();
      const std::wstring planted = own.substr(0, own.rfind(L'\\')) + L"\\version.dll";
      AppendLine(report, L"copy:planted=" + planted);
      ::CloseHandle(::CreateFileW(planted.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    }
  }
  int exit_code = 0;
  const SecureEnvironmentResult result = RunInProtectedDirectory(&exit_code);
  const lite_installer::SecureEnvironmentStep step =
      lite_installer::StepForSecureEnvironment(result, exit_code);
  if (step.log_line)
    LOG(INFO) << step.log_line;
  const std::wstring who = is_copy ? L"copy:" : L"parent:";
  AppendLine(report, who + L"result=" + std::to_wstring(result));
  for (const std::string& line : log.Lines())
    AppendLine(report, who + L"log=" + test::Widen(line));
  if (step.end_run)
    return step.exit_code;
  return is_copy ? _wtoi(Variable(kExitVariable).c_str()) : 77;
}

// Only looks for libraries, as the copy or the elevated child does.
TEST_CHILD_ROLE(check_beside) {
  int exit_code = 0;
  return RunInProtectedDirectory(&exit_code);
}

struct RunReport {
  int exit_code = 0;
  std::vector<std::string> lines;

  // The value of the first "<key>=" line, or empty.
  std::string Value(const std::string& key) const {
    for (const std::string& line : lines) {
      if (line.rfind(key + "=", 0) == 0)
        return line.substr(key.size() + 1);
    }
    return {};
  }
  bool Has(const std::string& line) const {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
};

RunReport RunParent(int copy_exit_code, bool plant) {
  const std::wstring report = test::MakeUniqueTempDir() + L"report.txt";
  ::SetEnvironmentVariableW(kReportVariable, report.c_str());
  ::SetEnvironmentVariableW(kPlantVariable, plant ? L"1" : nullptr);
  ::SetEnvironmentVariableW(kExitVariable, std::to_wstring(copy_exit_code).c_str());
  base::win::ScopedHandle parent = test::StartChild("protected_run", {});
  RunReport run;
  run.exit_code = static_cast<int>(test::WaitForExitCode(parent.Get(), 30000));
  run.lines = test::ReadLines(report);
  return run;
}

std::string Lower(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string DirectoryOf(const std::string& path) {
  return path.substr(0, path.rfind('\\'));
}

TEST(ProtectedDirectoryWinTest, CopyRunsFromItsOwnNewDirectoryAndItsCodeIsRelayed) {
  const RunReport run = RunParent(42, false);
  EXPECT_EQ(run.exit_code, 42);

  const std::string copy_path = run.Value("copy:path");
  const std::string own_path = base::UTF16ToUTF8(base::win::FromWide(OwnPath().c_str()));
  ASSERT_FALSE(copy_path.empty()) << "the copy never ran";
  const std::string directory = DirectoryOf(copy_path);
  EXPECT_NE(Lower(directory), Lower(DirectoryOf(own_path)));
  EXPECT_EQ(copy_path.substr(directory.size()), own_path.substr(DirectoryOf(own_path).size()));
  EXPECT_EQ(Lower(run.Value("copy:cwd")), Lower(directory));
  EXPECT_NE(run.Value("copy:command").find("--spawned_in_protected_dir"), std::string::npos);
  EXPECT_NE(run.Value("copy:command").find("--child-role=protected_run"), std::string::npos);

  // Wine's processes are administrators: the secure temporary directory.
  wchar_t windows[MAX_PATH];
  const UINT length = ::GetWindowsDirectoryW(windows, MAX_PATH);
  const std::string secure_temp =
      base::UTF16ToUTF8(base::win::FromWide(windows, length)) + "\\Temp";
  EXPECT_EQ(Lower(DirectoryOf(directory)), Lower(secure_temp));

  // The copy found nothing beside it; the parent relayed its code silently.
  EXPECT_EQ(run.Value("copy:result"), "2");
  EXPECT_EQ(run.Value("parent:result"), "4");
  EXPECT_EQ(run.Value("parent:log"), "");
  EXPECT_FALSE(test::FileExists(test::Widen(directory)));
}

TEST(ProtectedDirectoryWinTest, CopyThatFindsALibraryBesideItEndsTheParentAsInsecure) {
  const RunReport run = RunParent(0, true);
  EXPECT_EQ(run.exit_code, -200);
  const std::string planted = run.Value("copy:planted");
  ASSERT_FALSE(planted.empty());
  EXPECT_EQ(run.Value("copy:result"), "3");
  EXPECT_TRUE(run.Has("copy:log=INFO: Exiting, DLL files found in working directory"));
  EXPECT_EQ(run.Value("parent:result"), "0");
  EXPECT_TRUE(run.Has("parent:log=INFO: Exiting, because of insecure environment."));
  // Gone with everything in it, the planted file included.
  EXPECT_FALSE(test::FileExists(test::Widen(planted)));
  EXPECT_FALSE(test::FileExists(test::Widen(DirectoryOf(planted))));
}

// Runs a copy of this program from |directory| as the protected copy (or the
// elevated child) would run.
int CheckBesideIn(const std::wstring& directory, const wchar_t* marker) {
  const std::wstring copy = directory + L"probe.exe";
  ::CopyFileW(OwnPath().c_str(), copy.c_str(), FALSE);
  base::win::ScopedHandle child =
      test::StartProcess(L"\"" + copy + L"\" --child-role=check_beside " + marker, nullptr);
  return static_cast<int>(test::WaitForExitCode(child.Get(), 30000));
}

TEST(ProtectedDirectoryWinTest, CopyAndElevatedChildLookOnlyForLibraryFilesBesideThem) {
  for (const wchar_t* marker : {L"--spawned_in_protected_dir", L"--run-as-admin"}) {
    const std::wstring directory = test::MakeUniqueTempDir();
    // A directory named like a library and other files do not count.
    ASSERT_TRUE(::CreateDirectoryW((directory + L"sub.dll").c_str(), nullptr));
    ::CloseHandle(::CreateFileW((directory + L"notes.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_EQ(CheckBesideIn(directory, marker), lite_installer::kSecureEnvironment) << marker;

    ::CloseHandle(::CreateFileW((directory + L"WINMM.DLL").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_EQ(CheckBesideIn(directory, marker), lite_installer::kDllFilesInWorkingDirectory)
        << marker;
  }
}

TEST(ProtectedDirectoryWinTest, DirectoryTreeIsDeletedWithReadOnlyFilesAndSubdirectories) {
  const std::wstring directory = test::MakeUniqueTempDir();
  ASSERT_TRUE(::CreateDirectoryW((directory + L"a").c_str(), nullptr));
  ASSERT_TRUE(::CreateDirectoryW((directory + L"a\\b").c_str(), nullptr));
  for (const wchar_t* name : {L"x.exe", L"a\\y.dll", L"a\\b\\z.txt"}) {
    const std::wstring path = directory + name;
    ::CloseHandle(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(test::FileExists(path));
  }
  ::SetFileAttributesW((directory + L"a\\y.dll").c_str(), FILE_ATTRIBUTE_READONLY);
  const base::String16 path = base::win::FromWide(directory.c_str(), directory.size() - 1);
  EXPECT_TRUE(lite_installer::DeleteDirectoryTree(path));
  EXPECT_FALSE(test::FileExists(directory));
}

TEST(ProtectedDirectoryWinTest, EachNewDirectoryIsFreshAndDistinct) {
  const base::String16 first = lite_installer::CreateProtectedDirectory();
  const base::String16 second = lite_installer::CreateProtectedDirectory();
  ASSERT_FALSE(first.empty());
  ASSERT_FALSE(second.empty());
  EXPECT_NE(first, second);
  EXPECT_TRUE(lite_installer::DeleteDirectoryTree(first));
  EXPECT_TRUE(lite_installer::DeleteDirectoryTree(second));
}

}  // namespace
