#include "installer/lite_installer/engine/lite_installer_helpers.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "base/win/wide.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"

#undef GetEnvironmentVariable

namespace lite_installer {
namespace {

using base::win::FromWide;

// Writes values into this user's product key in the 32-bit view, and takes
// them out again: other tests of the prefix read the same key.
class ProductKeyValues {
 public:
  ProductKeyValues() {
    ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Velnor\\VelnorBrowser", 0, nullptr, 0,
                      KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key_, nullptr);
  }
  ~ProductKeyValues() {
    for (const std::wstring& name : names_)
      ::RegDeleteValueW(key_, name.c_str());
    ::RegCloseKey(key_);
  }
  // |bytes| of |text|, so that a value can be stored without its terminator.
  void Set(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
    Set(name, text, type, static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  void Set(const wchar_t* name, const std::wstring& text, DWORD type, DWORD bytes) {
    names_.push_back(name);
    ASSERT_EQ(
        ::RegSetValueExW(key_, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
        ERROR_SUCCESS);
  }

 private:
  HKEY key_ = nullptr;
  std::vector<std::wstring> names_;
};

TEST(InstalledBrowserWinTest, FindsAPerUserInstallationInThe32BitView) {
  const std::wstring root = test::MakeUniqueTempDir();
  const std::wstring application = root + L"Application";
  ASSERT_TRUE(::CreateDirectoryW(application.c_str(), nullptr));
  ASSERT_TRUE(::CreateDirectoryW((application + L"\\1.2").c_str(), nullptr));
  ASSERT_TRUE(::CreateDirectoryW((application + L"\\1.2\\Installer").c_str(), nullptr));

  InstalledBrowserSystem& system = GetWindowsInstalledBrowserSystem();
  ProductKeyValues values;
  values.Set(L"pv", L"1.2");
  const std::wstring setup = application + L"\\1.2\\Installer\\setup.exe";
  // Stored without its terminator.
  values.Set(L"UninstallString", setup, REG_SZ, static_cast<DWORD>(setup.size() * 2));
  test::LogCapture log;
  EXPECT_EQ(GetExistingInstallPath(system, false), FromWide(application.c_str()));
  EXPECT_TRUE(log.Has("INFO: Existing Chrome user version found: 1.2"));

  base::String16 text;
  EXPECT_TRUE(system.ReadRegistryString(false, kBrowserProductKey, u"pv", true, &text));
  EXPECT_EQ(text, u"1.2");
  values.Set(L"vpv", L"7", REG_DWORD, 4);
  EXPECT_FALSE(system.ReadRegistryString(false, kBrowserProductKey, u"vpv", false, &text));
  EXPECT_FALSE(system.ReadRegistryString(false, kBrowserProductKey, u"absent", false, &text));
  EXPECT_FALSE(system.ReadRegistryString(false, u"Software\\Velnor\\Absent", u"pv", false, &text));
}

TEST(InstalledBrowserWinTest, FoldersAndEnvironment) {
  InstalledBrowserSystem& system = GetWindowsInstalledBrowserSystem();
  const base::String16 program_files = system.GetProgramFilesFolder();
  EXPECT_FALSE(program_files.empty());
  EXPECT_TRUE(system.DirectoryExists(program_files));
  EXPECT_FALSE(system.DirectoryExists(program_files + u"\\no such folder"));
  EXPECT_FALSE(system.DirectoryExists(u"C:\\windows\\system32\\kernel32.dll"));

  const std::wstring name = L"LITE_TEST_" + std::to_wstring(::GetCurrentProcessId());
  base::String16 value;
  EXPECT_FALSE(system.GetEnvironmentVariable(FromWide(name.c_str()), &value));
  ::SetEnvironmentVariableW(name.c_str(), std::wstring(259, L'x').c_str());
  EXPECT_TRUE(system.GetEnvironmentVariable(FromWide(name.c_str()), &value));
  EXPECT_EQ(value, base::String16(259, u'x'));
  ::SetEnvironmentVariableW(name.c_str(), std::wstring(260, L'x').c_str());
  EXPECT_FALSE(system.GetEnvironmentVariable(FromWide(name.c_str()), &value));
  ::SetEnvironmentVariableW(name.c_str(), nullptr);

  // No browser in the all-users folder: nothing starts.
  test::LogCapture log;
  EXPECT_FALSE(StartExistingBrowser());
  EXPECT_TRUE(log.Has("ERROR: Failed to start "));
  EXPECT_TRUE(log.Has("\\Velnor\\VelnorBrowser\\Application\\browser.exe"));
}

}  // namespace
}  // namespace lite_installer
