// A library planted beside the program, named like a system library that is
// loaded later by name: the secure environment must keep it out, and the
// same program without it must load it, which shows the test can tell.
#include <gtest/gtest.h>

#include <string>

#include "installer/lite_installer/startup/secure_environment_win.h"
#include "tests/support/files_win.h"
#include "tests/support/process_win.h"
#include "tests/win/test_support_win.h"

namespace {

// Exit code: the secure-environment result times 100 (9 when the check was
// skipped, 8 when only the current directory was taken off the search), plus 1 when winmm.dll
// loaded, plus 10 when the loaded file lies beside the program.
TEST_CHILD_ROLE(load_winmm) {
  int result = 9;
  if (!args.empty() && args[0] == "harden") {
    int exit_code = 0;
    result = lite_installer::CheckSecureEnvironment(&exit_code);
  } else if (!args.empty() && args[0] == "no_current_directory") {
    ::SetDllDirectoryW(L"");
    result = 8;
  }
  HMODULE winmm = ::LoadLibraryW(L"winmm.dll");
  int code = result * 100;
  if (winmm) {
    code += 1;
    wchar_t loaded[MAX_PATH];
    wchar_t own[MAX_PATH];
    const DWORD loaded_length = ::GetModuleFileNameW(winmm, loaded, MAX_PATH);
    const DWORD own_length = ::GetModuleFileNameW(nullptr, own, MAX_PATH);
    const std::wstring own_directory =
        std::wstring(own, own_length).substr(0, std::wstring(own, own_length).rfind(L'\\') + 1);
    if (_wcsnicmp(loaded, own_directory.c_str(), own_directory.size()) == 0 &&
        loaded_length > own_directory.size()) {
      code += 10;
    }
  }
  return code;
}

struct PlantedRun {
  int exit_code = 0;
  bool planted_loaded = false;
};

PlantedRun RunBesidePlantedWinmm(const std::wstring& mode) {
  const std::wstring directory = test::MakeUniqueTempDir();
  wchar_t own[MAX_PATH];
  const DWORD own_length = ::GetModuleFileNameW(nullptr, own, MAX_PATH);
  EXPECT_TRUE(::CopyFileW(std::wstring(own, own_length).c_str(), (directory + L"probe.exe").c_str(),
                          FALSE));
  char planted[MAX_PATH];
  const DWORD planted_length = ::GetEnvironmentVariableA("LITE_PLANTED_WINMM", planted, MAX_PATH);
  EXPECT_GT(planted_length, 0u);
  EXPECT_TRUE(::CopyFileW(test::FromUnixPath(std::string(planted, planted_length)).c_str(),
                          (directory + L"winmm.dll").c_str(), FALSE));
  const std::wstring marker = directory + L"planted_winmm_loaded";
  ::SetEnvironmentVariableW(L"LITE_PLANT_MARKER", marker.c_str());
  base::win::ScopedHandle child = test::StartProcess(
      L"\"" + directory + L"probe.exe\" --child-role=load_winmm " + mode, nullptr);
  PlantedRun run;
  run.exit_code = static_cast<int>(test::WaitForExitCode(child.Get(), 30000));
  run.planted_loaded = test::FileExists(marker);
  return run;
}

TEST(DllPlantingTest, PlantedLibraryLoadsWithoutTheSecureEnvironment) {
  const PlantedRun run = RunBesidePlantedWinmm(L"");
  EXPECT_TRUE(run.planted_loaded);
  EXPECT_EQ(run.exit_code, 911);
}

TEST(DllPlantingTest, SecureEnvironmentKeepsThePlantedLibraryOut) {
  const PlantedRun run = RunBesidePlantedWinmm(L"harden");
  EXPECT_FALSE(run.planted_loaded);
  // Restricted to the system directory; the system's own winmm.dll loads.
  EXPECT_EQ(run.exit_code, lite_installer::kSecureEnvironment * 100 + 1);
}

// Why older systems need the protected copy: taking the current directory
// off the search leaves the program's own directory on it.
TEST(DllPlantingTest, EmptyDllDirectoryAloneDoesNotKeepThePlantedLibraryOut) {
  const PlantedRun run = RunBesidePlantedWinmm(L"no_current_directory");
  EXPECT_TRUE(run.planted_loaded);
  EXPECT_EQ(run.exit_code, 811);
}

}  // namespace
