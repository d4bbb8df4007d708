// A program that crashes on purpose under the crash reporter, for the
// reporter's tests:
//   crash_child MODE [--temp=DIR] [--timeout=SECONDS] [--no-upload]
//               [--key=NAME=VALUE]...
// It logs to crash_child.log in its temporary directory.
// MODE:
//   access_violation  a write through a null pointer on the main thread
//   thread            the same on a second thread
//   delay_load        the delayed-loading failure trap (a breakpoint)
//   twice             crashes, is brought back by the filter installed
//                     before the reporter, crashes again; exits 43
//   two_threads       two threads crash at the same moment
//   guarded_first     a guarded call (its filter installed before the
//                     reporter's) crashes and fails; then the main thread
//                     crashes
//   guarded_after     the same with the guarded call's filter installed
//                     after the reporter's
// Below every other filter sits one that ends the process with the
// exception's code, so that a crash is not handed on to Wine's debugger
// (which takes seconds). Other exit codes: 2 bad arguments, 3 a guarded call
// that did not fail as it should, 43 the end of "twice".
#include <windows.h>

#include <csetjmp>
#include <cstdlib>
#include <cwchar>
#include <memory>
#include <string>

#include "crash/scoped_crash_reporter.h"
#include "installer/lite_installer/startup/delay_load_hook_win.h"
#include "installer/util/guarded_call_win.h"
#include "logging/file_logger.h"
#include "logging/log_file_system_win.h"

namespace {

// The exception a guarded call raises: different from the later crash's, so
// that a test can tell which one a dump shows.
constexpr DWORD kGuardedException = 0xE0000001;

jmp_buf g_back;
int g_crashes_seen = 0;

// Installed before the reporter: it brings the first crash back to main and
// ends the process at the second.
LONG WINAPI BringBack(EXCEPTION_POINTERS*) {
  if (++g_crashes_seen == 1)
    longjmp(g_back, 1);
  ::ExitProcess(43);
  return EXCEPTION_CONTINUE_SEARCH;
}

LONG WINAPI EndWithTheExceptionCode(EXCEPTION_POINTERS* exception) {
  ::ExitProcess(exception->ExceptionRecord->ExceptionCode);
  return EXCEPTION_CONTINUE_SEARCH;
}

[[noreturn]] void CrashHere() {
  *static_cast<volatile int*>(nullptr) = 1;
  __builtin_unreachable();
}

DWORD WINAPI CrashingThread(void* start) {
  if (start)
    ::WaitForSingleObject(static_cast<HANDLE>(start), INFINITE);
  CrashHere();
}

bool GuardedCrashFails() {
  installer::DownloadErrorInfo info;
  const bool returned = installer::GuardedCall(
      [](void*) { ::RaiseException(kGuardedException, 0, 0, nullptr); }, nullptr, &info);
  return !returned && info.code == kGuardedException;
}

std::string Narrow(const wchar_t* text) {
  std::string narrow;
  for (; *text; ++text)
    narrow.push_back(static_cast<char>(*text));
  return narrow;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2)
    return 2;
  const std::wstring mode = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg.rfind(L"--temp=", 0) == 0) {
      ::SetEnvironmentVariableW(L"TMP", arg.substr(7).c_str());
      ::SetEnvironmentVariableW(L"TEMP", arg.substr(7).c_str());
    } else if (arg.rfind(L"--timeout=", 0) == 0) {
      crashpad::SetUploadTimeoutForTesting(std::wcstod(arg.c_str() + 10, nullptr));
    } else if (arg == L"--no-upload") {
      crashpad::SetUploadEnabledForTesting(false);
    }
  }

  ::SetUnhandledExceptionFilter(mode == L"twice" ? BringBack : EndWithTheExceptionCode);
  if (mode == L"guarded_first" && !GuardedCrashFails())
    return 3;

  crashpad::ScopedCrashReporter reporter;
  // The log beside the dump, as the installer keeps its own.
  wchar_t temp[MAX_PATH + 1];
  const DWORD temp_length = ::GetTempPathW(MAX_PATH + 1, temp);
  logging::InstallLogSink(std::make_unique<logging::FileLogger>(
      std::u16string(reinterpret_cast<const char16_t*>(temp), temp_length) + u"crash_child.log",
      1048576, logging::CreateWinLogFileSystem()));
  for (int i = 2; i < argc; ++i) {
    const std::string arg = Narrow(argv[i]);
    if (arg.rfind("--key=", 0) != 0)
      continue;
    const size_t equals = arg.find('=', 6);
    if (equals != std::string::npos)
      crashpad::SetCrashKey(arg.substr(6, equals - 6), arg.substr(equals + 1));
  }

  if (mode == L"access_violation" || mode == L"guarded_first") {
    CrashHere();
  } else if (mode == L"guarded_after") {
    if (!GuardedCrashFails())
      return 3;
    CrashHere();
  } else if (mode == L"thread") {
    HANDLE thread = ::CreateThread(nullptr, 0, CrashingThread, nullptr, 0, nullptr);
    ::WaitForSingleObject(thread, INFINITE);
  } else if (mode == L"two_threads") {
    HANDLE start = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE threads[] = {::CreateThread(nullptr, 0, CrashingThread, start, 0, nullptr),
                        ::CreateThread(nullptr, 0, CrashingThread, start, 0, nullptr)};
    ::Sleep(50);
    ::SetEvent(start);
    ::WaitForMultipleObjects(2, threads, TRUE, INFINITE);
  } else if (mode == L"delay_load") {
    DelayLoadInfo info = {};
    info.cb = sizeof(info);
    info.szDll = "lite_missing_crash.dll";
    lite_installer::DelayLoadFailureHook(dliFailLoadLib, &info);
  } else if (mode == L"twice") {
    if (setjmp(g_back) == 0)
      CrashHere();
    CrashHere();
  } else {
    return 2;
  }
  return 1;
}
