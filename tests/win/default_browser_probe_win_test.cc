// The interface probe with real processes and the real shell under Wine.
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/win/registry_value_win.h"
#include "base/win/scoped_handle_win.h"
#include "installer/velnor/util/application_association_registration_internal.h"
#include "installer/velnor/util/default_browser_safe_check_win.h"
#include "installer/velnor/util/shell_association_win.h"
#include "installer/velnor/util/windows10_file_association_utils.h"
#include "logging/diagnostic_log.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"

namespace installer::win10_default_browser {
namespace {

base::String16 FromEnvPath(const char* name) {
  const char* path = std::getenv(name);
  const std::wstring wide = test::FromUnixPath(path ? path : "");
  return base::String16(wide.begin(), wide.end());
}

// Runs the safe check against the stand-in child in |mode|.
struct ChildRun {
  bool result;
  DWORD exit_code;
  DWORD elapsed_ms;
};

ChildRun RunStandIn(const wchar_t* mode) {
  ::SetEnvironmentVariableW(L"LITE_PROBE_CHILD_MODE", mode);
  ProbeProcessWin process(FromEnvPath("LITE_PROBE_CHILD_EXE"));
  const DWORD start = ::GetTickCount();
  ChildRun run;
  run.result = RunInterfaceSafeCheck(process, 17134, 318);
  run.elapsed_ms = ::GetTickCount() - start;
  run.exit_code = STILL_ACTIVE;
  ::GetExitCodeProcess(process.process(), &run.exit_code);
  ::SetEnvironmentVariableW(L"LITE_PROBE_CHILD_MODE", nullptr);
  return run;
}

constexpr char kFailure[] = "ERROR: Failed to check Win10 internal interface availability";

TEST(InterfaceSafeCheckWinTest, HungChildIsTerminatedAfterThreeSeconds) {
  test::LogCapture log;
  const ChildRun run = RunStandIn(L"hang");
  EXPECT_FALSE(run.result);
  EXPECT_EQ(run.exit_code, 22u);
  EXPECT_GE(run.elapsed_ms, 2900u);
  EXPECT_LT(run.elapsed_ms, 8000u);
  EXPECT_TRUE(log.Has(std::string(kFailure) + ",  installer was terminated by timeout. - "))
      << log.Lines().size();
}

TEST(InterfaceSafeCheckWinTest, CrashedOrUnknownAnswersAreNo) {
  {
    test::LogCapture log;
    const ChildRun run = RunStandIn(L"crash");
    EXPECT_FALSE(run.result);
    // Wine's exit codes for crashes vary; either way the answer is no.
    EXPECT_TRUE(log.Has(std::string(kFailure) + ", ret code: ") ||
                log.Has(std::string(kFailure) + ", unknown ret code: "));
  }
  {
    test::LogCapture log;
    const ChildRun run = RunStandIn(L"5");
    EXPECT_FALSE(run.result);
    EXPECT_EQ(run.exit_code, 5u);
    EXPECT_TRUE(log.Has(std::string(kFailure) + ", unknown ret code: 5 - "));
  }
  {
    // The stand-in checks that nothing but the probe switch reached it.
    test::LogCapture log;
    EXPECT_TRUE(RunStandIn(L"700").result);
    EXPECT_TRUE(log.Has(
        "INFO: Successfuly checked Win10 internal interface availability: availability: 1"));
  }
}

TEST(InterfaceSafeCheckWinTest, RealInstallerAnswersAndLogsOnlyItsOwnLine) {
  const std::wstring temp = test::MakeUniqueTempDir();
  ASSERT_FALSE(temp.empty());
  wchar_t saved_tmp[MAX_PATH] = {}, saved_temp[MAX_PATH] = {};
  ::GetEnvironmentVariableW(L"TMP", saved_tmp, MAX_PATH);
  ::GetEnvironmentVariableW(L"TEMP", saved_temp, MAX_PATH);
  ::SetEnvironmentVariableW(L"TMP", temp.c_str());
  ::SetEnvironmentVariableW(L"TEMP", temp.c_str());
  // A first start in a fresh prefix can take Wine longer than the probe's
  // limit: start the installer once without one.
  {
    ProbeProcessWin warm_up(FromEnvPath("LITE_INSTALLER_EXE"));
    ASSERT_TRUE(warm_up.Start(ProbeCommandLine(warm_up.ProgramPath())));
    EXPECT_EQ(warm_up.WaitForExit(60000).status, ProbeProcess::Exit::kExited);
  }
  test::LogCapture log;
  ProbeProcessWin process(FromEnvPath("LITE_INSTALLER_EXE"));
  const bool available = RunInterfaceSafeCheck(process, 17134, 318);
  ::SetEnvironmentVariableW(L"TMP", saved_tmp);
  ::SetEnvironmentVariableW(L"TEMP", saved_temp);

  DWORD exit_code = 0;
  ASSERT_TRUE(::GetExitCodeProcess(process.process(), &exit_code));
  EXPECT_TRUE(exit_code == 700 || exit_code == 701) << exit_code;
  EXPECT_EQ(available, exit_code == 700);
  EXPECT_TRUE(log.Has(std::string("INFO: Successfuly checked Win10 internal interface "
                                  "availability: availability: ") +
                      (available ? "1" : "0")));

  std::string child_log = test::ReadWholeFile(temp + L"\\lite_installer.log");
  if (child_log.empty())
    child_log = test::ReadWholeFile(temp + L"lite_installer.log");
  EXPECT_NE(child_log.find("Handled non install cmd line option by win10 default browser helper, "
                           "ret code: " +
                           std::to_string(exit_code)),
            std::string::npos)
      << child_log;
  for (const char* child_line : {"IApplicationAssociationRegistrationInternal", "Unsupported Win10",
                                 "QueryInterface(", "SHAssocEnumHandlers"})
    EXPECT_EQ(child_log.find(child_line), std::string::npos) << child_line;
}

constexpr wchar_t kToastsKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\ApplicationAssociationToasts";

TEST(ShellAssociationsWinTest, ProbeOfTheRealShellAndTheToastValues) {
  std::vector<std::string> lines;
  logging::SetDiagnosticOutputForTesting(
      [&lines](std::string_view line) { lines.emplace_back(line); });
  logging::SetDiagnosticVerboseLevel("application_association_registration_internal", 1);
  ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
  {
    ShellAssociationsWin shell;
    // The shell here has none of the internal identifiers: five failed
    // attempts, then the version line.
    EXPECT_FALSE(IsInternalInterfaceAvailable(shell, WindowsVersionText()));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_NE(lines[0].find("creation is failed, hr=0x"), std::string::npos) << lines[0];
    EXPECT_NE(lines[5].find("Unsupported Win10 version=" + WindowsVersionText()), std::string::npos)
        << lines[5];

    // The toast value is set to 0 in an existing key only.
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kToastsKey);
    EXPECT_FALSE(ClearAssociationToast(shell, u"http"));
    base::win::ScopedRegKey key;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kToastsKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, key.Receive(), nullptr),
              ERROR_SUCCESS);
    const DWORD five = 5;
    ::RegSetValueExW(key.Get(), L"MSEdgeHTM_http", 0, REG_DWORD,
                     reinterpret_cast<const BYTE*>(&five), sizeof(five));
    EXPECT_TRUE(ClearAssociationToast(shell, u"http"));
    const base::win::RegistryDword value =
        base::win::ReadRegistryDword(HKEY_CURRENT_USER, kToastsKey, L"MSEdgeHTM_http", KEY_READ);
    EXPECT_TRUE(value.found());
    EXPECT_EQ(value.value, 0u);
    key.Reset();
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kToastsKey);
  }
  ::CoUninitialize();
  logging::SetDiagnosticVerboseLevel("application_association_registration_internal", 0);
  logging::SetDiagnosticOutputForTesting(nullptr);
}

}  // namespace
}  // namespace installer::win10_default_browser
