#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "installer/lite_installer/engine/lite_installer_helpers.h"
#include "tests/support/log_capture.h"

namespace lite_installer {
namespace {

constexpr char16_t kAppFolder[] = u"C:\\Program Files (x86)\\Velnor\\VelnorBrowser\\Application";
constexpr char16_t kSetup[] =
    u"C:\\Program Files (x86)\\Velnor\\VelnorBrowser\\Application\\24.10.4.931\\Installer\\"
    u"setup.exe";

class FakeSystem : public InstalledBrowserSystem {
 public:
  bool ReadRegistryString(bool machine,
                          const base::String16& key,
                          const base::String16& value,
                          bool read_access,
                          base::String16* out) override {
    EXPECT_EQ(key, kBrowserProductKey);
    // Only "corporate" is read with KEY_READ.
    EXPECT_EQ(read_access, value == u"corporate");
    const auto it = values.find({machine, value});
    if (it == values.end())
      return false;
    *out = it->second;
    return true;
  }
  bool DirectoryExists(const base::String16& path) override { return folders.count(path) != 0; }
  base::String16 GetProgramFilesFolder() override { return program_files; }
  bool GetEnvironmentVariable(const base::String16& name, base::String16* out) override {
    if (name != u"PROGRAMFILES" || !environment_program_files)
      return false;
    *out = environment_program_files;
    return true;
  }

  // An installation for all users (machine) or this user.
  void Install(bool machine, const base::String16& setup = kSetup) {
    values[{machine, u"pv"}] = u"24.10.4.931";
    values[{machine, u"UninstallString"}] = setup;
    folders.insert(kAppFolder);
  }

  std::map<std::tuple<bool, base::String16>, base::String16> values;
  std::set<base::String16> folders;
  base::String16 program_files;
  const char16_t* environment_program_files = nullptr;
};

TEST(InstalledBrowserTest, VersionFromVpvThenPvAndTheLogLines) {
  test::LogCapture log;
  FakeSystem system;
  EXPECT_EQ(GetExistingInstallPath(system, true), u"");
  EXPECT_EQ(GetExistingInstallPath(system, false), u"");
  EXPECT_TRUE(log.Has("INFO: No existing Chrome system install found."));
  EXPECT_TRUE(log.Has("INFO: No existing Chrome user install found."));
  EXPECT_EQ(log.records()[0].function, "lite_installer_helpers");

  system.Install(false);
  system.values[{false, u"vpv"}] = u"25.2.0.1";
  EXPECT_EQ(GetExistingInstallPath(system, false), kAppFolder);
  EXPECT_TRUE(log.Has("INFO: Existing Chrome user version found: 25.2.0.1"));
  // "vpv" alone is enough.
  system.values.erase({false, u"pv"});
  EXPECT_EQ(GetExistingInstallPath(system, false), kAppFolder);
  // An empty or unreadable "vpv" leaves "pv" to decide; an unreadable
  // version is no version.
  for (const char16_t* vpv : {u"", u"25.x", u"1..2"}) {
    log.Clear();
    system.values[{false, u"vpv"}] = vpv;
    system.values[{false, u"pv"}] = u"024.10";
    EXPECT_EQ(GetExistingInstallPath(system, false), kAppFolder);
    EXPECT_TRUE(log.Has("Existing Chrome user version found: 24.10"));
    system.values[{false, u"pv"}] = u"v24";
    EXPECT_EQ(GetExistingInstallPath(system, false), u"");
    EXPECT_TRUE(log.Has("No existing Chrome user install found."));
  }
  // The all-users key is another key.
  EXPECT_EQ(GetExistingInstallPath(system, true), u"");
}

TEST(InstalledBrowserTest, UninstallStringMustLeadToAnExistingApplicationFolder) {
  struct Case {
    const char16_t* setup;
    const char16_t* expected;
  };
  const Case cases[] = {
      {kSetup, kAppFolder},
      {u"C:/Program Files (x86)/Velnor/VelnorBrowser/Application/1.0/Installer/setup.exe",
       u"C:/Program Files (x86)/Velnor/VelnorBrowser/Application"},
      {u"\\\\server\\share\\Application\\1.0\\Installer\\setup.exe",
       u"\\\\server\\share\\Application"},
      {u"", u""},
      {u"Application\\1.0\\Installer\\setup.exe", u""},
      {u"\"C:\\Application\\1.0\\Installer\\setup.exe\"", u""},
      {u"C:\\Velnor\\..\\Application\\1.0\\Installer\\setup.exe", u""},
      {u"C:\\Application\\1.0\\..\\setup.exe", u""},
      // Three levels up is the drive or the share itself.
      {u"C:\\1.0\\Installer\\setup.exe", u""},
      {u"C:\\Installer\\setup.exe", u""},
      {u"\\\\server\\share\\1.0\\Installer\\setup.exe", u""},
      // The folder is not there.
      {u"D:\\Application\\1.0\\Installer\\setup.exe", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(base::UTF16ToUTF8(c.setup));
    FakeSystem system;
    system.Install(true, c.setup);
    system.folders.insert(u"C:/Program Files (x86)/Velnor/VelnorBrowser/Application");
    system.folders.insert(u"\\\\server\\share\\Application");
    system.folders.insert(u"C:\\");
    system.folders.insert(u"\\\\server\\share");
    EXPECT_EQ(GetExistingInstallPath(system, true), c.expected);
  }
  // A missing value is no installation either.
  FakeSystem system;
  system.Install(true);
  system.values.erase({true, u"UninstallString"});
  EXPECT_EQ(GetExistingInstallPath(system, true), u"");
}

TEST(InstalledBrowserTest, PathHelpers) {
  EXPECT_TRUE(IsAbsolutePathWithoutParentReferences(u"c:\\a\\..b\\b.."));
  EXPECT_TRUE(IsAbsolutePathWithoutParentReferences(u"\\\\server\\share"));
  for (const char16_t* path : {u"C:", u"C:a\\b", u"\\a\\b", u"\\\\server", u"\\\\server\\",
                               u"1:\\a", u"C:\\..", u"C:\\a\\..\\", u"C:\\a/../b"})
    EXPECT_FALSE(IsAbsolutePathWithoutParentReferences(path)) << base::UTF16ToUTF8(path);
  EXPECT_EQ(ParentFolder(u"C:\\a\\b\\"), u"C:\\a");
  EXPECT_EQ(ParentFolder(u"C:\\a\\\\b"), u"C:\\a");
  EXPECT_EQ(ParentFolder(u"C:\\a"), u"C:\\");
  EXPECT_EQ(ParentFolder(u"C:\\"), u"C:\\");
  EXPECT_EQ(ParentFolder(u"\\\\server\\share\\a"), u"\\\\server\\share");
  EXPECT_EQ(ParentFolder(u"\\\\server\\share\\"), u"\\\\server\\share");
}

TEST(InstalledBrowserTest, InstallationTypeTable) {
  struct Case {
    bool user;
    bool machine;
    const char16_t* corporate;  // null: no value
    bool regular;
    bool corporate_installed;
    const char* type;
  };
  const Case cases[] = {
      {false, false, nullptr, false, false, "none"},
      {true, false, nullptr, true, false, "user"},
      {false, true, nullptr, true, false, "user"},
      {true, true, u"false", true, false, "user"},
      {false, true, u"true", false, true, "corporate"},
      {true, true, u"true", false, true, "corporate"},
      // A per-user installation on a corporate machine counts as neither.
      {true, false, u"true", false, false, "none"},
      // The comparison is exact.
      {false, true, u"TRUE", true, false, "user"},
      {false, true, u"true ", true, false, "user"},
      {false, false, u"true", false, false, "none"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.user << c.machine << (c.corporate ? "c" : "-"));
    FakeSystem system;
    if (c.user)
      system.Install(false);
    if (c.machine)
      system.Install(true);
    if (c.corporate)
      system.values[{true, u"corporate"}] = c.corporate;
    // The corporate mark is read from the machine's key only.
    system.values[{false, u"corporate"}] = u"true";
    EXPECT_EQ(IsCorporateInstallation(system),
              c.corporate && base::String16(c.corporate) == u"true");
    EXPECT_EQ(IsRegularBrowserInstalled(system), c.regular);
    EXPECT_EQ(IsCorporateBrowserInstalled(system), c.corporate_installed);
    EXPECT_EQ(GetInstallationType(system), c.type);
  }
}

TEST(InstalledBrowserTest, SystemApplicationFolderFallsBackToTheEnvironment) {
  FakeSystem system;
  system.Install(true, u"E:\\Browser\\Application\\1.0\\Installer\\setup.exe");
  system.folders.insert(u"E:\\Browser\\Application");
  EXPECT_EQ(GetSystemApplicationFolder(system), u"E:\\Browser\\Application");

  struct Case {
    const char16_t* program_files;
    const char16_t* environment;
    const char16_t* expected;
  };
  const Case cases[] = {
      {u"C:\\Program Files (x86)", u"D:\\Env", kAppFolder},
      {u"D:\\", nullptr, u"D:\\Velnor\\VelnorBrowser\\Application"},
      // The shell's folder is missing or not there: the variable decides.
      {u"", u"D:\\Env", u"D:\\Env\\Velnor\\VelnorBrowser\\Application"},
      {u"C:\\Gone", u"D:\\Env\\", u"D:\\Env\\Velnor\\VelnorBrowser\\Application"},
      {u"", nullptr, u""},
      {u"", u"Env", u""},
      {u"", u"D:\\Env\\..\\Env", u""},
      {u"", u"D:\\Gone", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(base::UTF16ToUTF8(c.program_files));
    FakeSystem fallback;
    fallback.folders = {u"C:\\Program Files (x86)", u"D:\\", u"D:\\Env", u"D:\\Env\\",
                        u"D:\\Env\\..\\Env"};
    fallback.program_files = c.program_files;
    fallback.environment_program_files = c.environment;
    EXPECT_EQ(GetSystemApplicationFolder(fallback), c.expected);
  }
  // 260 characters do not fit the system's buffer, 259 do.
  FakeSystem fallback;
  base::String16 long_path = u"D:\\" + base::String16(256, u'x');
  fallback.folders = {long_path, long_path + u"y"};
  fallback.environment_program_files = long_path.c_str();
  EXPECT_EQ(GetSystemApplicationFolder(fallback),
            long_path + u"\\Velnor\\VelnorBrowser\\Application");
  long_path += u"y";
  fallback.environment_program_files = long_path.c_str();
  EXPECT_EQ(GetSystemApplicationFolder(fallback), u"");
}

}  // namespace
}  // namespace lite_installer
