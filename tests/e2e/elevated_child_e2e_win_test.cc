// The elevated-child run: switch validation and what it waits for.
#include <gtest/gtest.h>

#include "base/command_line.h"
#include "base/win/wide.h"
#include "installer/lite_installer/engine/elevation_events.h"
#include "tests/support/installer_run_win.h"
#include "tests/win/test_support_win.h"

namespace {

using test::Contains;
using test::InstallerRun;

using lite_installer::kElevationCancelEventName;
using lite_installer::kElevationGoEventName;

// A stand-in parent process that lives until the test ends it.
TEST_CHILD_ROLE(parent) {
  ::Sleep(120000);
  return 0;
}

// The switches an elevated copy is started with; |setup| is the setup command
// line it carries, quoted as one argument.
std::wstring ChildArguments(DWORD parent_id, const base::CommandLine& setup) {
  const base::String16 argument =
      base::QuoteArgument(u"--setup-cmd-line=" + setup.GetCommandLineString());
  return L"--run-as-admin --parent-installer-process-id=" + std::to_wstring(parent_id) + L" " +
         base::win::AsWide(argument);
}

base::CommandLine SetupCommandLine(const char16_t* archive) {
  base::CommandLine setup;
  setup.SetProgram(archive);
  setup.AppendSwitchASCII("progress-window", "0");
  return setup;
}

TEST(ElevatedChildTest, SuspiciousParentIdsEndAtOnce) {
  for (const wchar_t* id : {L"12ab", L"", L"-5", L"99999999999"}) {
    InstallerRun run(std::wstring(L"--run-as-admin --parent-installer-process-id=") + id);
    ASSERT_TRUE(run.started());
    EXPECT_EQ(run.Wait(), -1);
    const std::vector<std::string> messages = run.OwnLogMessages();
    const std::string expected =
        "ERROR: Suspicious process id=" + std::string(id, id + wcslen(id)) + " - ";
    ASSERT_EQ(messages.size(), 3u) << test::Joined(messages);
    EXPECT_EQ(messages[2].substr(0, expected.size()), expected) << messages[2];
    // The elevated child never takes the instance mutex nor enters the normal run.
    EXPECT_FALSE(Contains(messages, "Lite installer mode."));
  }
}

TEST(ElevatedChildTest, WakesWhenTheParentEnds) {
  base::win::ScopedHandle go(::CreateEventA(nullptr, FALSE, FALSE, kElevationGoEventName));
  base::win::ScopedHandle cancel(::CreateEventA(nullptr, FALSE, FALSE, kElevationCancelEventName));
  base::win::ScopedHandle parent = test::StartChild("parent", {});
  ASSERT_TRUE(parent.IsValid());

  InstallerRun run(
      ChildArguments(::GetProcessId(parent.Get()), SetupCommandLine(u"C:\\setup.arc")));
  ASSERT_TRUE(run.started());
  EXPECT_EQ(run.Wait(2000), STILL_ACTIVE);
  ::TerminateProcess(parent.Get(), 0);
  EXPECT_EQ(run.Wait(), -1);
  const std::vector<std::string> messages = run.OwnLogMessages();
  EXPECT_TRUE(Contains(messages, "INFO: Start installer as admin"));
  EXPECT_TRUE(Contains(messages,
                       "ERROR: Installer started as admin has been unexpectedly synced, wr=2 - "));
}

TEST(ElevatedChildTest, CancelEventEndsTheWait) {
  base::win::ScopedHandle go(::CreateEventA(nullptr, FALSE, FALSE, kElevationGoEventName));
  base::win::ScopedHandle cancel(::CreateEventA(nullptr, FALSE, FALSE, kElevationCancelEventName));
  InstallerRun run(ChildArguments(::GetCurrentProcessId(), SetupCommandLine(u"C:\\setup.arc")));
  ASSERT_TRUE(run.started());
  EXPECT_EQ(run.Wait(1000), STILL_ACTIVE);
  ::SetEvent(cancel.Get());
  EXPECT_EQ(run.Wait(), -1);
  EXPECT_TRUE(Contains(run.OwnLogMessages(), "unexpectedly synced, wr=1 - "));
}

TEST(ElevatedChildTest, GoWithAMissingArchiveFails) {
  base::win::ScopedHandle go(::CreateEventA(nullptr, FALSE, FALSE, kElevationGoEventName));
  base::win::ScopedHandle cancel(::CreateEventA(nullptr, FALSE, FALSE, kElevationCancelEventName));
  InstallerRun run(
      ChildArguments(::GetCurrentProcessId(), SetupCommandLine(u"C:\\no such dir\\setup.arc")));
  ASSERT_TRUE(run.started());
  ::SetEvent(go.Get());
  EXPECT_EQ(run.Wait(), -1);
  const std::vector<std::string> messages = run.OwnLogMessages();
  EXPECT_TRUE(
      Contains(messages, "ERROR: Browser archive C:\\no such dir\\setup.arc does not exist - "))
      << test::Joined(messages);
}

// Any process of the session can create the events and name a program: the
// copy runs only an archive that passes the trusted-module check.
TEST(ElevatedChildTest, RefusesAnUnsignedProgramFromAStranger) {
  base::win::ScopedHandle go(::CreateEventA(nullptr, FALSE, FALSE, kElevationGoEventName));
  base::win::ScopedHandle cancel(::CreateEventA(nullptr, FALSE, FALSE, kElevationCancelEventName));
  wchar_t self[MAX_PATH] = {};
  ASSERT_GT(::GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
  const base::String16 program = base::win::FromWide(self);
  InstallerRun run(ChildArguments(::GetCurrentProcessId(), SetupCommandLine(program.c_str())));
  ASSERT_TRUE(run.started());
  ::SetEvent(go.Get());
  EXPECT_EQ(run.Wait(), -1);
  const std::vector<std::string> messages = run.OwnLogMessages();
  const std::string path(program.begin(), program.end());
  EXPECT_TRUE(Contains(messages, "ERROR: Module verification failed: " + path))
      << test::Joined(messages);
  EXPECT_FALSE(Contains(messages, "RunModule results"));
  EXPECT_FALSE(Contains(messages, "Create process"));
}

TEST(ElevatedChildTest, MissingEventsFailTheWait) {
  InstallerRun run(ChildArguments(::GetCurrentProcessId(), SetupCommandLine(u"C:\\setup.arc")));
  ASSERT_TRUE(run.started());
  EXPECT_EQ(run.Wait(), -1);
  EXPECT_TRUE(Contains(run.OwnLogMessages(), "unexpectedly synced, wr=4294967295 - "));
}

}  // namespace
