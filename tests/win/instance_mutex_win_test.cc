#include "installer/lite_installer/startup/instance_mutex_win.h"

#include <gtest/gtest.h>
#include "tests/support/process_win.h"
#include "tests/win/test_support_win.h"

namespace {

using lite_installer::InstanceMutex;

// Exit code 1 when this process could own the instance mutex, 0 otherwise.
TEST_CHILD_ROLE(try_own_instance_mutex) {
  InstanceMutex mutex;
  return mutex.TryOwn() ? 1 : 0;
}

DWORD TryOwnInChild() {
  base::win::ScopedHandle child = test::StartChild("try_own_instance_mutex", {});
  return test::WaitForExitCode(child.Get(), 30000);
}

TEST(InstanceMutexTest, OneOwnerAtATimeAndReleasedWithTheHolder) {
  {
    InstanceMutex mutex;
    ASSERT_TRUE(mutex.TryOwn());
    EXPECT_EQ(TryOwnInChild(), 0u);
  }
  EXPECT_EQ(TryOwnInChild(), 1u);
}

TEST(InstanceMutexTest, AbandonedMutexCountsAsNotOwned) {
  // A thread takes the mutex and ends without releasing it.
  HANDLE thread = ::CreateThread(
      nullptr, 0,
      [](void*) -> DWORD {
        HANDLE mutex = ::CreateMutexW(nullptr, FALSE, lite_installer::kInstanceMutexName);
        ::WaitForSingleObject(mutex, 0);
        return 0;
      },
      nullptr, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  ::WaitForSingleObject(thread, INFINITE);
  ::CloseHandle(thread);

  InstanceMutex mutex;
  EXPECT_FALSE(mutex.TryOwn());
}

}  // namespace
