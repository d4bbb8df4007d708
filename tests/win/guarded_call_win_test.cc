#include "installer/util/guarded_call_win.h"

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <delayimp.h>

#include <gtest/gtest.h>

namespace {

using installer::DownloadErrorInfo;

TEST(GuardedCallTest, NormalCallReturnsTrue) {
  int calls = 0;
  DownloadErrorInfo info{5, "x", "y"};
  EXPECT_TRUE(
      installer::GuardedCall([](void* count) { ++*static_cast<int*>(count); }, &calls, &info));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(info.code, 0u);
  EXPECT_EQ(info.dll_name, "");
}

TEST(GuardedCallTest, DelayLoadFailureInsideTheCallIsRecorded) {
  DownloadErrorInfo info;
  EXPECT_FALSE(installer::GuardedCall(
      [](void*) {
        static DelayLoadInfo load = {};
        load.szDll = "cplib.dll";
        load.dlp.fImportByName = TRUE;
        load.dlp.szProcName = "CryptoProFunction";
        const ULONG_PTR arguments[] = {reinterpret_cast<ULONG_PTR>(&load)};
        ::RaiseException(0xC06D007E, 0, 1, arguments);
      },
      nullptr, &info));
  EXPECT_EQ(info.code, 0xC06D007Eu);
  EXPECT_TRUE(installer::IsCryptoProConflict(info));
}

TEST(GuardedCallTest, AccessViolationAndLaterCallsStillWork) {
  for (int i = 0; i < 3; ++i) {
    DownloadErrorInfo info;
    EXPECT_FALSE(installer::GuardedCall([](void*) { *static_cast<volatile int*>(nullptr) = 1; },
                                        nullptr, &info));
    EXPECT_EQ(info.code, static_cast<uint32_t>(EXCEPTION_ACCESS_VIOLATION));
  }
  int calls = 0;
  DownloadErrorInfo info;
  EXPECT_TRUE(
      installer::GuardedCall([](void* count) { ++*static_cast<int*>(count); }, &calls, &info));
  EXPECT_EQ(calls, 1);
}

}  // namespace
