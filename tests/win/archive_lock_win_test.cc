// The setup archive's lock, with the system's reopen and with the reopen by
// path that systems without it use: both end with one read-and-execute
// handle that lets others read but nobody write, rename or delete.
#include "installer/lite_installer/engine/archive_lock_win.h"

#include <gtest/gtest.h>

#include <string>

#include "base/win/wide.h"
#include "tests/support/files_win.h"

namespace {

class ArchiveLockTest : public ::testing::TestWithParam<bool> {
 protected:
  bool Lock(lite_installer::ArchiveLock* lock) {
    return GetParam() ? lock->LockByPath() : lock->Lock();
  }
};

HANDLE OpenForTest(const std::wstring& path, DWORD access) {
  return ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST_P(ArchiveLockTest, LockedArchiveIsReadableButNotWritable) {
  const std::wstring path = test::MakeUniqueTempDir() + L"archive.7z";
  lite_installer::ArchiveLock lock;
  lock.Open(base::win::FromWide(path.c_str()));
  ASSERT_TRUE(lock.IsValid());
  const std::string content = "setup archive bytes";
  DWORD written = 0;
  ASSERT_TRUE(::WriteFile(lock.handle(), content.data(), static_cast<DWORD>(content.size()),
                          &written, nullptr));

  ASSERT_TRUE(Lock(&lock));
  // The handle now reads what was written through the first one.
  ASSERT_EQ(::SetFilePointer(lock.handle(), 0, nullptr, FILE_BEGIN), 0u);
  char buffer[64] = {};
  DWORD read = 0;
  ASSERT_TRUE(::ReadFile(lock.handle(), buffer, sizeof(buffer), &read, nullptr));
  EXPECT_EQ(std::string(buffer, read), content);
  EXPECT_FALSE(::WriteFile(lock.handle(), "x", 1, &written, nullptr));

  HANDLE reader = OpenForTest(path, GENERIC_READ);
  EXPECT_NE(reader, INVALID_HANDLE_VALUE);
  ::CloseHandle(reader);
  HANDLE writer = OpenForTest(path, GENERIC_WRITE);
  EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  if (writer != INVALID_HANDLE_VALUE)
    ::CloseHandle(writer);
  EXPECT_FALSE(::DeleteFileW(path.c_str()));
  EXPECT_FALSE(::MoveFileW(path.c_str(), (path + L".moved").c_str()));

  lock.Close();
  EXPECT_TRUE(::DeleteFileW(path.c_str()));
}

TEST_P(ArchiveLockTest, NothingToLockFails) {
  lite_installer::ArchiveLock lock;
  EXPECT_FALSE(Lock(&lock));
  lock.Open(u"Z:\\no\\such\\directory\\archive.7z");
  EXPECT_FALSE(lock.IsValid());
  EXPECT_FALSE(Lock(&lock));
}

INSTANTIATE_TEST_SUITE_P(SystemAndByPath, ArchiveLockTest, ::testing::Bool());

}  // namespace
