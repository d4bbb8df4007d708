#include "tests/win/test_support_win.h"

#include <windows.h>

#include <map>

#include "tests/support/files_win.h"
#include "tests/support/process_win.h"

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
  return StartProcess(command_line, nullptr);
}

}  // namespace test
