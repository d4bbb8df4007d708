#include "tests/support/process_win.h"

namespace test {

base::win::ScopedHandle StartProcess(std::wstring command_line, const wchar_t* environment) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!::CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, const_cast<wchar_t*>(environment), nullptr,
                        &startup, &info)) {
    return base::win::ScopedHandle();
  }
  ::CloseHandle(info.hThread);
  return base::win::ScopedHandle(info.hProcess);
}

base::win::ScopedHandle StartProcessWithTemp(const std::wstring& command_line,
                                             const std::wstring& temp_dir) {
  // The current environment without TMP and TEMP, then both set to |temp_dir|.
  std::wstring environment;
  wchar_t* strings = ::GetEnvironmentStringsW();
  for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) {
    const std::wstring text(entry);
    if (_wcsnicmp(entry, L"TMP=", 4) == 0 || _wcsnicmp(entry, L"TEMP=", 5) == 0)
      continue;
    environment += text;
    environment.push_back(L'\0');
  }
  ::FreeEnvironmentStringsW(strings);
  for (const wchar_t* name : {L"TMP=", L"TEMP="}) {
    environment += name + temp_dir;
    environment.push_back(L'\0');
  }
  environment.push_back(L'\0');
  return StartProcess(command_line, environment.c_str());
}

DWORD WaitForExitCode(HANDLE process, DWORD timeout_ms) {
  if (::WaitForSingleObject(process, timeout_ms) != WAIT_OBJECT_0)
    return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process, &code);
  return code;
}

}  // namespace test
