#include "installer/util/registry_win.h"

#include <gtest/gtest.h>

#include "base/win/wide.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"

namespace {

constexpr char kKeyText[] = "HKEY_CURRENT_USER\\Software\\Velnor\\VelnorBrowser\\";

TEST(RegistryTest, StoreReadRemoveWithTheirLogLines) {
  installer::InstallerRegistryKey key;
  // The key exists once anything was stored; only then is a missing value
  // "no value" rather than a failed read.
  ASSERT_TRUE(key.Store("created", u"1"));
  test::LogCapture log;
  const std::string name = "test_value_" + std::to_string(::GetCurrentProcessId());

  EXPECT_EQ(key.Read(name), u"");
  EXPECT_TRUE(key.Store(name, u"C:\\Temp\\\u043f\u0443\u0442\u044c"));
  EXPECT_EQ(key.Read(name), u"C:\\Temp\\\u043f\u0443\u0442\u044c");
  EXPECT_TRUE(key.Remove(name));
  EXPECT_FALSE(key.Remove(name));

  const std::string path = kKeyText + name;
  EXPECT_EQ(log.Lines(),
            (std::vector<std::string>{
                "INFO: No value to read: " + path,
                "INFO: Stored " + path + " = C:\\Temp\\\xD0\xBF\xD1\x83\xD1\x82\xD1\x8C",
                "INFO: Read " + path + " which is \"C:\\Temp\\\xD0\xBF\xD1\x83\xD1\x82\xD1\x8C\"",
                "INFO: Removed " + path,
                "INFO: No value to remove: " + path,
            }));
  EXPECT_EQ(log.records()[0].function, "installer::ReadValueFromRegistry");
}

TEST(RegistryTest, ValuesLiveInThe64BitView) {
  installer::InstallerRegistryKey key;
  ASSERT_TRUE(key.Store("view_test", u"x"));
  HKEY handle = nullptr;
  ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, installer::kInstallerRegistryKeyPath, 0,
                            KEY_READ | KEY_WOW64_64KEY, &handle),
            ERROR_SUCCESS);
  wchar_t value[8] = {};
  DWORD size = sizeof(value);
  EXPECT_EQ(::RegQueryValueExW(handle, L"view_test", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(value), &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(value, L"x");
  ::RegCloseKey(handle);
  key.Remove("view_test");
}

TEST(RegistryTest, FilePathMustExist) {
  installer::InstallerRegistryKey key;
  const std::wstring dir = test::MakeUniqueTempDir();
  const base::String16 existing = base::win::FromWide(dir.c_str(), dir.size());
  ASSERT_TRUE(key.Store("path_test", existing));
  EXPECT_EQ(installer::ReadFilePathFromRegistry("path_test"), existing);
  ASSERT_TRUE(key.Store("path_test", existing + u"missing.file"));
  test::LogCapture log;
  EXPECT_EQ(installer::ReadFilePathFromRegistry("path_test"), u"");
  EXPECT_TRUE(log.Has(std::string("INFO: Read ") + kKeyText + "path_test which is \"\""));
  key.Remove("path_test");
}

}  // namespace
