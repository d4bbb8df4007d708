// A stand-in for the browser's setup program, for tests and the demo. Its
// behaviour comes from "fake_setup.json" beside it, overridden by
// environment variables, never from the installer's switches:
//
//   "record"            LITE_FAKE_SETUP_RECORD   file that receives the command line;
//                                                RECORD.registry gets the installer's
//                                                registry values as setup saw them
//   "exit_code"         LITE_FAKE_SETUP_EXIT_CODE
//   "install_progress"  LITE_FAKE_SETUP_INSTALL_PROGRESS  stage codes (array; the
//                                                variable: comma-separated) posted as
//                                                "velnor.lite.set_install_progress"
//   "import_progress"   LITE_FAKE_SETUP_IMPORT_PROGRESS   percentages posted as
//                                                "velnor.lite.set_import_progress"
//   "close_window"      LITE_FAKE_SETUP_CLOSE_WINDOW  (bool; "1") posts
//                                                "velnor.lite.close_window" last
//   "message_gap_ms"    LITE_FAKE_SETUP_MESSAGE_GAP_MS  pause after each message
//                       LITE_FAKE_SETUP_COPY_SELF copies the program, as run, there
//                       LITE_FAKE_SETUP_RUN_MS   sleeps this long before exiting
//   "browser_window_ms" LITE_FAKE_SETUP_BROWSER_MS  a child process keeps a
//                                                message-only "VelnorBrowser_MessageWindow"
//                                                this long, as a started browser would
#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "base/command_line.h"
#include "base/json_reader.h"
#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "tests/support/fake_setup_protocol.h"

namespace {

constexpr char kBrowserRoleSwitch[] = "fake-browser-window-ms";

base::String16 OwnPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return base::win::FromWide(path, length);
}

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

base::JsonValue LoadConfig(const base::String16& own_path) {
  const base::String16 config_path = own_path.substr(0, own_path.find_last_of(u'\\') + 1) +
                                     base::UTF8ToUTF16(fake_setup::kConfigFileName);
  base::JsonValue config = base::JsonValue::object();
  base::win::ScopedHandle file(::CreateFileW(base::win::AsWide(config_path), GENERIC_READ,
                                             FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (file.IsValid()) {
    char buffer[65536];
    DWORD read = 0;
    if (::ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr)) {
      base::JsonValue parsed;
      std::string error;
      if (base::ReadJson(std::string_view(buffer, read), &parsed, &error) && parsed.is_object())
        config = parsed;
    }
  }
  return config;
}

// The string values the installer left for setup under the browser's key, a
// "name=value" line each, as setup finds them when it starts.
std::string InstallerRegistryValues() {
  std::string lines;
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Velnor\\VelnorBrowser", 0,
                      KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
    return lines;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD name_length = 256;
    wchar_t value[4096];
    DWORD value_size = sizeof(value) - sizeof(wchar_t);
    DWORD type = 0;
    const LONG status = ::RegEnumValueW(key, index, name, &name_length, nullptr, &type,
                                        reinterpret_cast<BYTE*>(value), &value_size);
    if (status == ERROR_NO_MORE_ITEMS)
      break;
    if (status != ERROR_SUCCESS || type != REG_SZ)
      continue;
    value[value_size / sizeof(wchar_t)] = 0;
    const size_t value_length = ::wcsnlen(value, value_size / sizeof(wchar_t));
    lines += base::UTF16ToUTF8(base::win::FromWide(name, name_length)) + "=" +
             base::UTF16ToUTF8(base::win::FromWide(value, value_length)) + "\n";
  }
  ::RegCloseKey(key);
  return lines;
}

void WriteText(const base::String16& path, const std::string& text) {
  base::win::ScopedHandle file(
      ::CreateFileW(base::win::AsWide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  if (file.IsValid())
    ::WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// The browser's part: a message-only window of the browser's class for a while.
int RunBrowserWindow(DWORD milliseconds) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = ::DefWindowProcW;
  window_class.hInstance = ::GetModuleHandleW(nullptr);
  window_class.lpszClassName = L"VelnorBrowser_MessageWindow";
  ::RegisterClassExW(&window_class);
  HWND window = ::CreateWindowExW(0, window_class.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, window_class.hInstance, nullptr);
  ::Sleep(milliseconds);
  if (window)
    ::DestroyWindow(window);
  return 0;
}

void Post(HWND window, const wchar_t* name, WPARAM wparam, DWORD gap_ms) {
  ::PostMessageW(window, ::RegisterWindowMessageW(name), wparam, 0);
  if (gap_ms > 0)
    ::Sleep(gap_ms);
}

// The whole numbers of the variable |env| ("5,7") or, without it, of the
// configuration's array |key|.
std::vector<int64_t> Numbers(const base::JsonValue& config, const char* key, const char* env) {
  std::vector<int64_t> numbers;
  const std::string text = Env(env);
  if (!text.empty()) {
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find(',', start);
      if (end == std::string::npos)
        end = text.size();
      uint64_t value = 0;
      if (base::ParseWholeDecimal(text.substr(start, end - start), &value))
        numbers.push_back(static_cast<int64_t>(value));
      start = end + 1;
    }
    return numbers;
  }
  if (config.contains(key) && config[key].is_array()) {
    for (const base::JsonValue& value : config[key]) {
      if (value.is_number_integer())
        numbers.push_back(value.get<int64_t>());
    }
  }
  return numbers;
}

void SendWindowMessages(HWND window, const base::JsonValue& config) {
  uint64_t gap_ms = 0;
  std::string gap = Env(fake_setup::kMessageGapEnv);
  if (gap.empty() && config.contains("message_gap_ms") &&
      config["message_gap_ms"].is_number_integer())
    gap = std::to_string(config["message_gap_ms"].get<int64_t>());
  base::ParseWholeDecimal(gap, &gap_ms);
  for (int64_t code : Numbers(config, "install_progress", fake_setup::kInstallProgressEnv)) {
    Post(window, L"velnor.lite.set_install_progress", static_cast<WPARAM>(code),
         static_cast<DWORD>(gap_ms));
  }
  for (int64_t percent : Numbers(config, "import_progress", fake_setup::kImportProgressEnv)) {
    Post(window, L"velnor.lite.set_import_progress", static_cast<WPARAM>(percent),
         static_cast<DWORD>(gap_ms));
  }
  const std::string close = Env(fake_setup::kCloseWindowEnv);
  if (close == "1" || (close.empty() && config.value("close_window", false)))
    Post(window, L"velnor.lite.close_window", 0, 0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  const base::CommandLine command_line =
      base::CommandLine::FromString(base::win::FromWide(::GetCommandLineW()));
  uint64_t browser_ms = 0;
  if (base::ParseWholeDecimal(command_line.GetSwitchValueASCII(kBrowserRoleSwitch), &browser_ms))
    return RunBrowserWindow(static_cast<DWORD>(browser_ms));

  const base::String16 own_path = OwnPath();
  const base::JsonValue config = LoadConfig(own_path);

  std::string record = Env(fake_setup::kRecordEnv);
  base::String16 record_path = base::UTF8ToUTF16(record);
  if (record_path.empty() && config.contains("record") && config["record"].is_string())
    record_path = base::UTF8ToUTF16(config["record"].get<std::string>());
  if (record_path.empty())
    record_path = own_path + base::UTF8ToUTF16(fake_setup::kDefaultRecordSuffix);
  WriteText(record_path, base::UTF16ToUTF8(base::win::FromWide(::GetCommandLineW())));
  WriteText(record_path + base::UTF8ToUTF16(fake_setup::kRegistryRecordSuffix),
            InstallerRegistryValues());

  uint64_t window_value = 0;
  base::ParseWholeDecimal(command_line.GetSwitchValueASCII("progress-window"), &window_value);
  HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(window_value));
  if (window)
    SendWindowMessages(window, config);

  std::string browser = Env(fake_setup::kBrowserMsEnv);
  if (browser.empty() && config.contains("browser_window_ms") &&
      config["browser_window_ms"].is_number_integer())
    browser = std::to_string(config["browser_window_ms"].get<int64_t>());
  if (base::ParseWholeDecimal(browser, &browser_ms) && browser_ms > 0) {
    base::CommandLine child;
    child.SetProgram(own_path);
    child.AppendSwitchASCII(kBrowserRoleSwitch, browser);
    base::String16 text = child.GetCommandLineString();
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (::CreateProcessW(nullptr, base::win::AsWritableWide(&text), nullptr, nullptr, FALSE, 0,
                         nullptr, nullptr, &startup, &info)) {
      // Wait until the browser's window exists, as a real browser start would.
      for (int i = 0; i < 200 && !::FindWindowExW(HWND_MESSAGE, nullptr,
                                                  L"VelnorBrowser_MessageWindow", nullptr);
           ++i) {
        ::Sleep(10);
      }
      ::CloseHandle(info.hThread);
      ::CloseHandle(info.hProcess);
    }
  }

  // A copy of the image as it was run, so that a test can compare it with
  // what the server sent.
  const std::string copy = Env(fake_setup::kCopySelfEnv);
  if (!copy.empty())
    ::CopyFileW(base::win::AsWide(own_path), base::win::AsWide(base::UTF8ToUTF16(copy)), FALSE);

  // As long as a real setup would take.
  uint64_t run_ms = 0;
  if (base::ParseWholeDecimal(Env(fake_setup::kRunMsEnv), &run_ms) && run_ms > 0)
    ::Sleep(static_cast<DWORD>(run_ms));

  std::string exit_code = Env(fake_setup::kExitCodeEnv);
  if (exit_code.empty() && config.contains("exit_code") && config["exit_code"].is_number_integer())
    return static_cast<int>(config["exit_code"].get<int64_t>());
  return exit_code.empty() ? 0 : std::atoi(exit_code.c_str());
}
