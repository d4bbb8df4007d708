#include "tests/win/test_support_win.h"

#include <map>

namespace test {

namespace {

constexpr char kRoleSwitch[] = "--child-role=";

std::map<std::string, ChildMain>& Roles() {
  static std::map<std::string, ChildMain> roles;
  return roles;
}

std::wstring QuoteIfNeeded(const std::wstring& text) {
  if (!text.empty() && text.find_first_of(L" \t\"") == std::wstring::npos)
    return text;
  return L"\"" + text + L"\"";
}

std::wstring OwnPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, length);
}

base::win::ScopedHandle Start(std::wstring command_line, const wchar_t* environment) {
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

}  // namespace

ChildRegistration::ChildRegistration(const char* role, ChildMain main) {
  Roles()[role] = main;
}

bool RunChildRoleIfRequested(int argc, char** argv, int* exit_code) {
  if (argc < 2 || std::string(argv[1]).rfind(kRoleSwitch, 0) != 0)
    return false;
  const std::string role = std::string(argv[1]).substr(sizeof(kRoleSwitch) - 1);
  const auto it = Roles().find(role);
  if (it == Roles().end()) {
    *exit_code = 98;
    return true;
  }
  *exit_code = it->second(std::vector<std::string>(argv + 2, argv + argc));
  return true;
}

base::win::ScopedHandle StartChild(const std::string& role, const std::vector<std::string>& args) {
  std::wstring command_line = QuoteIfNeeded(OwnPath()) + L" " + Widen(kRoleSwitch + role);
  for (const std::string& arg : args)
    command_line += L" " + QuoteIfNeeded(Widen(arg));
  return Start(command_line, nullptr);
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
  return Start(command_line, environment.c_str());
}

DWORD WaitForExitCode(HANDLE process, DWORD timeout_ms) {
  if (::WaitForSingleObject(process, timeout_ms) != WAIT_OBJECT_0)
    return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process, &code);
  return code;
}

std::wstring MakeUniqueTempDir() {
  wchar_t base[MAX_PATH];
  ::GetTempPathW(MAX_PATH, base);
  static LONG counter = 0;
  for (;;) {
    const std::wstring dir = std::wstring(base) + L"lite_test_" +
                             std::to_wstring(::GetCurrentProcessId()) + L"_" +
                             std::to_wstring(::InterlockedIncrement(&counter));
    if (::CreateDirectoryW(dir.c_str(), nullptr))
      return dir + L"\\";
  }
}

std::string ReadWholeFile(const std::wstring& path) {
  std::string data;
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return data;
  char buffer[65536];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
    data.append(buffer, read);
  ::CloseHandle(file);
  return data;
}

std::vector<std::string> ReadLines(const std::wstring& path) {
  std::vector<std::string> lines;
  const std::string data = ReadWholeFile(path);
  size_t begin = 0;
  while (begin < data.size()) {
    size_t end = data.find('\n', begin);
    if (end == std::string::npos)
      end = data.size();
    lines.push_back(data.substr(begin, end - begin));
    begin = end + 1;
  }
  return lines;
}

std::wstring FromUnixPath(const std::string& path) {
  std::wstring wide = Widen(path);
  if (!wide.empty() && wide[0] == L'/')
    wide = L"Z:" + wide;
  for (wchar_t& c : wide) {
    if (c == L'/')
      c = L'\\';
  }
  return wide;
}

std::wstring Widen(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

}  // namespace test
