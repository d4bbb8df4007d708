// The fake setup program behaves as its configuration says.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>
#include "tests/support/fake_setup_protocol.h"
#include "tests/support/files_win.h"
#include "tests/support/process_win.h"

namespace {

std::wstring FakeSetupPath() {
  const char* path = std::getenv("LITE_FAKE_SETUP_EXE");
  return test::FromUnixPath(path ? path : "fake_setup.exe");
}

// Registered messages received by a window of the test's own.
struct Received {
  std::vector<std::pair<std::wstring, WPARAM>> messages;
};

const wchar_t* const kNames[] = {L"velnor.lite.set_install_progress",
                                 L"velnor.lite.set_import_progress", L"velnor.lite.close_window"};

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* received = reinterpret_cast<Received*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  for (const wchar_t* name : kNames) {
    if (received && message == ::RegisterWindowMessageW(name)) {
      received->messages.emplace_back(name, wparam);
      return 0;
    }
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

HWND CreateRecordingWindow(Received* received) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = RecordingProc;
  window_class.hInstance = ::GetModuleHandleW(nullptr);
  window_class.lpszClassName = L"FakeSetupTestWindow";
  ::RegisterClassExW(&window_class);
  HWND window = ::CreateWindowExW(0, window_class.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                  nullptr, window_class.hInstance, nullptr);
  ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(received));
  return window;
}

void Pump() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    ::DispatchMessageW(&message);
}

TEST(FakeSetupTest, RecordsPostsLeavesTheBrowserWindowAndExits) {
  const std::wstring dir = test::MakeUniqueTempDir();
  const std::wstring program = dir + L"browser-setup.exe";
  ASSERT_TRUE(::CopyFileW(FakeSetupPath().c_str(), program.c_str(), FALSE));
  {
    const std::string config = R"({"install_progress": [5, 7], "import_progress": [50],
        "close_window": true, "browser_window_ms": 1500, "exit_code": 3})";
    HANDLE file = ::CreateFileW((dir + fake_setup::kConfigFileNameW).c_str(), GENERIC_WRITE, 0,
                                nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, config.data(), static_cast<DWORD>(config.size()), &written, nullptr);
    ::CloseHandle(file);
  }
  Received received;
  HWND window = CreateRecordingWindow(&received);
  ASSERT_NE(window, nullptr);
  const std::wstring command_line = L"\"" + program + L"\" --progress-window=" +
                                    std::to_wstring(reinterpret_cast<uintptr_t>(window)) +
                                    L" --do-not-launch-browser --source=lite";
  base::win::ScopedHandle process = test::StartProcessWithTemp(command_line, dir);
  ASSERT_TRUE(process.IsValid());
  EXPECT_EQ(test::WaitForExitCode(process.Get(), 30000), 3u);
  // The browser's window outlives the setup for a while.
  EXPECT_NE(::FindWindowExW(HWND_MESSAGE, nullptr, L"VelnorBrowser_MessageWindow", nullptr),
            nullptr);
  Pump();
  EXPECT_EQ(received.messages,
            (std::vector<std::pair<std::wstring, WPARAM>>{
                {kNames[0], 5}, {kNames[0], 7}, {kNames[1], 50}, {kNames[2], 0}}));
  EXPECT_EQ(test::ReadWholeFile(program + fake_setup::kDefaultRecordSuffixW),
            std::string(command_line.begin(), command_line.end()));
  // ... and goes when its time is up.
  EXPECT_TRUE(test::WaitUntil([] {
    return !::FindWindowExW(HWND_MESSAGE, nullptr, L"VelnorBrowser_MessageWindow", nullptr);
  }));
  ::DestroyWindow(window);
}

TEST(FakeSetupTest, EnvironmentChoosesTheExitCodeAndTheRecord) {
  const std::wstring dir = test::MakeUniqueTempDir();
  ::SetEnvironmentVariableW(fake_setup::kExitCodeEnvW, L"8");
  ::SetEnvironmentVariableW(fake_setup::kRecordEnvW, (dir + L"record.txt").c_str());
  base::win::ScopedHandle process =
      test::StartProcessWithTemp(L"\"" + FakeSetupPath() + L"\" --silent", dir);
  ::SetEnvironmentVariableW(fake_setup::kExitCodeEnvW, nullptr);
  ::SetEnvironmentVariableW(fake_setup::kRecordEnvW, nullptr);
  ASSERT_TRUE(process.IsValid());
  EXPECT_EQ(test::WaitForExitCode(process.Get(), 30000), 8u);
  EXPECT_NE(test::ReadWholeFile(dir + L"record.txt").find("--silent"), std::string::npos);
}

}  // namespace
