#include "installer/util/exception_filter_win.h"

#include <delayimp.h>
#include <gtest/gtest.h>

namespace {

using installer::DownloadErrorInfo;

int Filter(DWORD code, const DelayLoadInfo* load, DownloadErrorInfo* info) {
  EXCEPTION_RECORD record = {};
  record.ExceptionCode = code;
  record.NumberParameters = 1;
  record.ExceptionInformation[0] = reinterpret_cast<ULONG_PTR>(load);
  EXCEPTION_POINTERS pointers = {&record, nullptr};
  return installer::FilterDownloadException(&pointers, info);
}

TEST(ExceptionFilterTest, DelayLoadFailureNamesModuleAndFunction) {
  DelayLoadInfo load = {};
  load.szDll = "CPLIB.DLL";
  load.dlp.fImportByName = TRUE;
  load.dlp.szProcName = "CPCryptoProInit";
  DownloadErrorInfo info;
  EXPECT_EQ(Filter(0xC06D007E, &load, &info), EXCEPTION_EXECUTE_HANDLER);
  EXPECT_EQ(installer::FormatExceptionInfo(info),
            "Exception with code=3228369022dll_name=CPLIB.DLLproc_name=CPCryptoProInit");
  EXPECT_TRUE(installer::IsCryptoProConflict(info));

  load.dlp.fImportByName = FALSE;
  load.dlp.dwOrdinal = 7;
  EXPECT_EQ(Filter(0xC06D007E, &load, &info), EXCEPTION_EXECUTE_HANDLER);
  EXPECT_EQ(info.proc_name, "");
  EXPECT_FALSE(installer::IsCryptoProConflict(info));
}

TEST(ExceptionFilterTest, OtherExceptionsCarryOnlyTheirCode) {
  DownloadErrorInfo info{1, "stale.dll", "stale"};
  EXPECT_EQ(Filter(EXCEPTION_ACCESS_VIOLATION, nullptr, &info), EXCEPTION_EXECUTE_HANDLER);
  EXPECT_EQ(installer::FormatExceptionInfo(info), "Exception with code=3221225477");
  EXPECT_FALSE(installer::IsCryptoProConflict(info));
}

}  // namespace
