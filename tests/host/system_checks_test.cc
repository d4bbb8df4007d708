#include <gtest/gtest.h>

#include "installer/util/download_error_info.h"
#include "installer/util/file_version.h"

namespace {

using installer::DownloadErrorInfo;

TEST(FileVersionTest, FourWords) {
  EXPECT_EQ(installer::FormatFileVersion((24ull << 48) | (10ull << 32) | (4ull << 16) | 931),
            "24.10.4.931");
  EXPECT_EQ(installer::FormatFileVersion(~0ull), "65535.65535.65535.65535");
}

TEST(DownloadErrorInfoTest, CryptoProConflictNeedsAllThree) {
  EXPECT_TRUE(installer::IsCryptoProConflict({0xC06D007E, "CpLib.dll", "xxCRYPTOproYY"}));
  EXPECT_FALSE(installer::IsCryptoProConflict({0xC0000005, "cplib.dll", "cryptopro"}));
  EXPECT_FALSE(installer::IsCryptoProConflict({0xC06D007E, "cplib2.dll", "cryptopro"}));
  EXPECT_FALSE(installer::IsCryptoProConflict({0xC06D007E, "cplib.dll", "crypto_pro"}));
  EXPECT_EQ(installer::FormatExceptionInfo({0xC06D007E, "", "f"}),
            "Exception with code=3228369022proc_name=f");
}

}  // namespace
