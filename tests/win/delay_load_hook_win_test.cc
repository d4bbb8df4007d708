// The handler of delayed loading, installed the way the installer installs
// it, meeting a library that does not exist and a function that a system
// library does not export. Each failure runs in a child whose last-chance
// exception filter reports what ended it and the message left on the stack.
#include "installer/lite_installer/startup/delay_load_hook_win.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/files_win.h"
#include "tests/support/process_win.h"
#include "tests/win/test_support_win.h"

extern "C" __declspec(dllimport) int WINAPI LiteMissingFunction();
extern "C" __declspec(dllimport) int WINAPI LiteNoSuchVersionFunction();

namespace {

constexpr wchar_t kReportVariable[] = L"LITE_DELAY_LOAD_REPORT";

void Report(const std::string& line) {
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetEnvironmentVariableW(kReportVariable, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return;
  HANDLE file = ::CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  const std::string bytes = line + "\n";
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

// The first NUL-terminated text starting with |prefix| between |from| and
// |to|; empty when there is none.
std::string FindText(const char* from, const char* to, const char* prefix) {
  const size_t prefix_length = std::strlen(prefix);
  for (const char* p = from; p + prefix_length < to; ++p) {
    if (std::memcmp(p, prefix, prefix_length) != 0)
      continue;
    const char* end = p;
    while (end < to && *end)
      ++end;
    return std::string(p, end);
  }
  return {};
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
  char code[16];
  std::snprintf(code, sizeof(code), "%08lx",
                static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode));
  Report(std::string("code=") + code);
  Report(std::string("windowing=") +
         (lite_installer::WindowingLibraryRequested() ? "requested" : "not requested"));
#if defined(_WIN64)
  const char* stack = reinterpret_cast<const char*>(exception->ContextRecord->Rsp);
#else
  const char* stack = reinterpret_cast<const char*>(exception->ContextRecord->Esp);
#endif
  // The committed part of the stack, from the trapped frame up to its base.
  MEMORY_BASIC_INFORMATION region = {};
  ::VirtualQuery(stack, &region, sizeof(region));
  const char* base = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
  std::string message = FindText(stack, base, "Windows dll is not found: ");
  if (message.empty())
    message = FindText(stack, base, "Function LiteNoSuchVersionFunction");
  Report("message=" + message);
  return EXCEPTION_EXECUTE_HANDLER;
}

TEST_CHILD_ROLE(missing_library) {
  ::SetUnhandledExceptionFilter(ReportCrash);
  if (!args.empty() && args[0] == "windowing")
    ::GetSystemMetrics(SM_CXSCREEN);
  Report("calling");
  const int result = LiteMissingFunction();
  Report("returned=" + std::to_string(result));
  return 0;
}

TEST_CHILD_ROLE(missing_function) {
  ::SetUnhandledExceptionFilter(ReportCrash);
  Report("calling");
  const int result = LiteNoSuchVersionFunction();
  Report("returned=" + std::to_string(result));
  return 0;
}

std::vector<std::string> RunChild(const std::string& role, const std::vector<std::string>& args) {
  const std::wstring report = test::MakeUniqueTempDir() + L"report.txt";
  ::SetEnvironmentVariableW(kReportVariable, report.c_str());
  base::win::ScopedHandle child = test::StartChild(role, args);
  test::WaitForExitCode(child.Get(), 30000);
  return test::ReadLines(report);
}

// Every run carries "--silent", so no message box waits for a click.
TEST(DelayLoadHookTest, MissingLibraryEndsTheProcessWithABreakpointAndLeavesTheMessage) {
  const std::vector<std::string> lines = RunChild("missing_library", {"--silent"});
  EXPECT_EQ(lines,
            (std::vector<std::string>{"calling", "code=80000003", "windowing=not requested",
                                      "message=Windows dll is not found: lite_missing.dll"}));
}

TEST(DelayLoadHookTest, WindowingLibraryUseIsNoted) {
  const std::vector<std::string> lines = RunChild("missing_library", {"windowing", "--silent"});
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "code=80000003");
  EXPECT_EQ(lines[2], "windowing=requested");
}

TEST(DelayLoadHookTest, MissingFunctionNamesFunctionAndLibrary) {
  const std::vector<std::string> lines = RunChild("missing_function", {"--silent"});
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "calling", "code=80000003", "windowing=not requested",
                       "message=Function LiteNoSuchVersionFunction not found in Windows dll "
                       "version.dll"}));
}

}  // namespace
