// Whole runs of the installer: the kinds of run, the instance check, the log.
#include <gtest/gtest.h>
#include "tests/support/fake_setup_protocol.h"
#include "tests/support/fake_setup_records_win.h"
#include "tests/support/files_win.h"
#include "tests/support/installer_run_win.h"

namespace {

using test::Contains;
using test::InstallerRun;

constexpr char kStartLine[] = "INFO: -------------------------------------- Start install.";

// The first top-level window of |process_id| with the installer's class.
HWND FindInstallerWindow(DWORD process_id) {
  HWND window = nullptr;
  // The installer window is a dialog.
  while ((window = ::FindWindowExW(nullptr, window, L"#32770", nullptr))) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == process_id)
      return window;
  }
  return nullptr;
}

HWND WaitForInstallerWindow(const InstallerRun& run) {
  for (int i = 0; i < 300; ++i) {
    if (HWND window = FindInstallerWindow(run.process_id()))
      return window;
    if (::WaitForSingleObject(run.process(), 50) == WAIT_OBJECT_0)
      return nullptr;
  }
  return nullptr;
}

TEST(EntryFlowTest, InterfaceProbeEndsTheRunBeforeAnythingElse) {
  InstallerRun run(
      L"--check-the-interface --run-as-admin --parent-installer-process-id=x --silent");
  ASSERT_TRUE(run.started());
  EXPECT_EQ(run.Wait(), 701);
  const std::vector<std::string> messages = run.OwnLogMessages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], kStartLine);
  EXPECT_EQ(messages[1],
            "INFO: Handled non install cmd line option by win10 default browser helper, ret code: "
            "701");
}

TEST(EntryFlowTest, SilentRunWalksTheFlowAndLogsItsExitCode) {
  // A switch in capitals with a slash is still "silent"; the run ends with the
  // setup's exit code.
  const std::wstring temp = test::MakeUniqueTempDir();
  ASSERT_TRUE(test::ServeFakeSetup(temp));
  ::SetEnvironmentVariableW(fake_setup::kExitCodeEnvW, L"5");
  InstallerRun run(L"/SILENT --brand-name=auto", temp);
  ASSERT_TRUE(run.started());
  EXPECT_EQ(run.Wait(), 5);
  ::SetEnvironmentVariableW(fake_setup::kExitCodeEnvW, nullptr);

  const std::vector<std::string> lines = run.LogRecords();
  ASSERT_FALSE(lines.empty());
  for (const std::string& line : lines)
    EXPECT_TRUE(test::IsWellFormedLogRecord(line)) << line;

  const std::vector<std::string> messages = run.OwnLogMessages();
  ASSERT_GE(messages.size(), 6u);
  EXPECT_EQ(messages.front(), kStartLine);
  EXPECT_EQ(messages[1], "INFO: Runned in secure environment.");
  EXPECT_EQ(messages[2], "INFO: Lite installer mode.");
  EXPECT_EQ(messages[3], "INFO: Installer process id: " + std::to_string(run.process_id()));
  const std::wstring& dir = run.temp_dir();
  EXPECT_EQ(messages[4], "INFO: Temporary path is: " + std::string(dir.begin(), dir.end()));
  EXPECT_TRUE(Contains(messages, "INFO: Brand id: velnor"));
  EXPECT_TRUE(Contains(messages, "INFO: Installing in silent mode."));
  EXPECT_EQ(messages.back(), "INFO: Installer exit with code: 5");
  // The log names the entry point as the function of its own lines.
  EXPECT_NE(lines.back().find(" (wWinMain:"), std::string::npos) << lines.back();
}

TEST(EntryFlowTest, SecondInstanceDefersToTheFirstAndExitsWith600) {
  InstallerRun first(L"");
  ASSERT_TRUE(first.started());
  HWND window = WaitForInstallerWindow(first);
  ASSERT_NE(window, nullptr) << "the first run shows no window";

  // A window of the test's own takes the front, so the second run has to
  // bring the first one's back.
  base::win::ScopedWindow other(::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0,
                                                  0, 80, 80, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(other.IsValid());
  ::SetForegroundWindow(other.Get());
  ASSERT_EQ(::GetForegroundWindow(), other.Get());

  // The second run shares the temporary directory, as two runs of one user do.
  InstallerRun second(L"--silent", first.temp_dir());
  ASSERT_TRUE(second.started());
  EXPECT_EQ(second.Wait(), 600);
  HWND front = ::GetForegroundWindow();
  DWORD front_process = 0;
  ::GetWindowThreadProcessId(front, &front_process);
  EXPECT_EQ(front_process, first.process_id()) << "the first run's window is not in front";
  EXPECT_EQ(::GetAncestor(front, GA_ROOTOWNER), window);
  const std::vector<std::string> messages = second.OwnLogMessages();
  EXPECT_EQ(messages,
            (std::vector<std::string>{
                kStartLine, "INFO: Runned in secure environment.", "INFO: Lite installer mode.",
                "INFO: Another installer instance is already running.",
                "INFO: Master installer process id: " + std::to_string(first.process_id())}));

  // The first run goes on until its user closes the window.
  EXPECT_EQ(first.Wait(0), STILL_ACTIVE);
  // The system Close command (Alt+F4) ends the window without a prompt.
  ::PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(first.Wait(), 500);
  const std::vector<std::string> first_messages = first.OwnLogMessages();
  EXPECT_TRUE(Contains(first_messages, "INFO: User cancelled installation."));
  EXPECT_EQ(first_messages.back(), "INFO: Installer exit with code: 500");
}

TEST(EntryFlowTest, SemiSilentIsSilent) {
  const std::wstring temp = test::MakeUniqueTempDir();
  ASSERT_TRUE(test::ServeFakeSetup(temp));
  InstallerRun run(L"--semi-silent", temp);
  ASSERT_TRUE(run.started());
  EXPECT_EQ(run.Wait(), 0);
  EXPECT_TRUE(Contains(run.OwnLogMessages(), "INFO: Installing in silent mode."));
}

}  // namespace
