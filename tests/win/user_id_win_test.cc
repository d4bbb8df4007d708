// The user identifier with the real roaming folder, file and registry marker.
#include "installer/util/user_id_platform_win.h"

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <regex>

#include "base/win/wide.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"

namespace {

class UserIdWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = platform_.GetUserIdFilePath(true);
    ASSERT_FALSE(path_.empty());
    ::DeleteFileW(base::win::AsWide(path_));
    wchar_t name[257];
    DWORD size = 257;
    ASSERT_TRUE(::GetUserNameW(name, &size));
    marker_ = std::wstring(L"UICreated_") + name;
    ::SHDeleteValueW(HKEY_CURRENT_USER, L"Software\\AppDataLow\\Velnor", marker_.c_str());
    ::SHDeleteValueW(HKEY_CURRENT_USER, L"Software\\Velnor", marker_.c_str());
  }

  // The file and markers are the real user's: a test leaves none behind, or
  // every later installer run in the prefix would read what it wrote.
  void TearDown() override {
    ::DeleteFileW(base::win::AsWide(path_));
    ::SHDeleteValueW(HKEY_CURRENT_USER, L"Software\\AppDataLow\\Velnor", marker_.c_str());
    ::SHDeleteValueW(HKEY_CURRENT_USER, L"Software\\Velnor", marker_.c_str());
  }

  void WriteIdFile(const std::string& content) { ASSERT_TRUE(platform_.WriteFile(path_, content)); }

  broupdater::UserIdPlatformWin platform_;
  base::String16 path_;
  std::wstring marker_;
};

TEST_F(UserIdWinTest, CreatedOnceReadAfterwardsAndNotRecreated) {
  const std::string id = broupdater::GetUserId();
  EXPECT_TRUE(std::regex_match(id, std::regex(R"(\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\})")))
      << id;
  EXPECT_EQ(test::ReadWholeFile(std::wstring(base::win::AsWide(path_))), id);
  EXPECT_EQ(broupdater::GetUserId(), id);
  EXPECT_TRUE(platform_.MarkerExists());

  ::DeleteFileW(base::win::AsWide(path_));
  test::LogCapture log;
  EXPECT_EQ(broupdater::GetUserId(), "");
  EXPECT_TRUE(log.Has("INFO: Registry entry already exists, skip User ID file generation"));
}

TEST_F(UserIdWinTest, FileSizesAtTheLimit) {
  ASSERT_TRUE(platform_.RememberUidIsCreated());
  test::LogCapture log;
  WriteIdFile(std::string(64, '7'));
  EXPECT_EQ(broupdater::GetUserId(), std::string(64, '7'));
  WriteIdFile(std::string(65, '7'));
  EXPECT_EQ(broupdater::GetUserId(), "");
  EXPECT_TRUE(log.Has("ERROR: Incorrect User ID file content"));
  WriteIdFile(std::string(66, '7'));
  EXPECT_EQ(broupdater::GetUserId(), "");
  EXPECT_TRUE(log.Has("ERROR: Failed to read file " + base::UTF16ToUTF8(path_)));
}

TEST_F(UserIdWinTest, UnreadableUserNameWritesTheFileButReportsNoIdentifier) {
  // Wine answers GetUserNameW from this variable; without it there is no name.
  wchar_t saved[257] = {};
  ASSERT_GT(::GetEnvironmentVariableW(L"WINEUSERNAME", saved, 257), 0u);
  ::SetEnvironmentVariableW(L"WINEUSERNAME", nullptr);
  wchar_t name[257];
  DWORD size = 257;
  const bool name_readable = ::GetUserNameW(name, &size) && size > 1;
  test::LogCapture log;
  broupdater::UserIdRetrievalResult result;
  const std::string id = broupdater::GetUserId(&platform_, &result);
  // The roaming folder may depend on the name too: look where this run wrote.
  const base::String16 written = platform_.GetUserIdFilePath(false);
  const std::string content = test::ReadWholeFile(std::wstring(base::win::AsWide(written)));
  ::DeleteFileW(base::win::AsWide(written));
  ::SetEnvironmentVariableW(L"WINEUSERNAME", saved);
  ASSERT_FALSE(name_readable) << "this Wine reads the user name elsewhere";

  EXPECT_EQ(id, "");
  EXPECT_EQ(result, broupdater::kUserIdMarkerNotWritten);
  EXPECT_TRUE(log.Has("ERROR: Can't create 'UI created' entry"));
  EXPECT_EQ(content.size(), 38u);
  EXPECT_FALSE(platform_.MarkerExists());
}

}  // namespace
