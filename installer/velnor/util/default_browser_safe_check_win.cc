#include "installer/velnor/util/default_browser_safe_check_win.h"

#include <utility>

#include "base/win/wide.h"

namespace installer::win10_default_browser {

namespace {

// Long enough for any path the system gives out, with its "\\?\" prefix.
constexpr DWORD kMaxModulePath = 32768;

base::String16 OwnExecutablePath() {
  base::String16 path(kMaxModulePath, u'\0');
  const DWORD length =
      ::GetModuleFileNameW(nullptr, base::win::AsWritableWide(&path), kMaxModulePath);
  if (length == 0 || length >= kMaxModulePath)
    return base::String16();
  path.resize(length);
  return path;
}

}  // namespace

ProbeProcessWin::ProbeProcessWin(base::String16 program) : program_(std::move(program)) {}

ProbeProcessWin::~ProbeProcessWin() {
  if (process_.IsValid() && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT)
    ::TerminateProcess(process_.Get(), kProbeTerminatedExitCode);
}

base::String16 ProbeProcessWin::ProgramPath() {
  const base::String16 path = program_.empty() ? OwnExecutablePath() : program_;
  if (path.empty())
    return path;
  const DWORD attributes = ::GetFileAttributesW(base::win::AsWide(path));
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return base::String16();
  return path;
}

bool ProbeProcessWin::Start(const base::String16& command_line) {
  base::String16 writable = command_line;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessW(nullptr, base::win::AsWritableWide(&writable), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process))
    return false;
  base::win::ScopedHandle thread(process.hThread);
  process_.Reset(process.hProcess);
  return true;
}

ProbeProcess::Exit ProbeProcessWin::WaitForExit(uint32_t timeout_ms) {
  Exit exit;
  switch (::WaitForSingleObject(process_.Get(), timeout_ms)) {
    case WAIT_OBJECT_0: {
      DWORD code = 0;
      if (::GetExitCodeProcess(process_.Get(), &code)) {
        exit.status = Exit::kExited;
        exit.code = static_cast<int32_t>(code);
      }
      break;
    }
    case WAIT_TIMEOUT:
      exit.status = Exit::kTimedOut;
      break;
    default:
      break;
  }
  return exit;
}

void ProbeProcessWin::Terminate(uint32_t exit_code) {
  if (!process_.IsValid())
    return;
  // Keep the error that made the caller give up, for its log line.
  const DWORD error = ::GetLastError();
  ::TerminateProcess(process_.Get(), exit_code);
  ::WaitForSingleObject(process_.Get(), kProbeTimeoutMs);
  ::SetLastError(error);
}

}  // namespace installer::win10_default_browser
