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

#include "installer/util/request_headers.h"

namespace {

TEST(RequestHeadersTest, LinesAndVersion) {
  EXPECT_EQ(installer::BuildRequestHeaders(10, 0, 4460, false),
            u"Accept: */*\r\nSec-CH-UA-Platform: \"Windows\"\r\n"
            u"Sec-CH-UA-Platform-Version: \"10.0.4460\"");
  EXPECT_EQ(installer::BuildRequestHeaders(6, 1, 0, true),
            u"Sec-CH-UA-Platform: \"Windows\"\r\nSec-CH-UA-Platform-Version: \"6.1.0\"");
}

TEST(RequestHeadersTest, ContentRange) {
  uint64_t first = 0;
  uint64_t total = 0;
  EXPECT_TRUE(installer::ParseContentRange("bytes 1000-1999/2000", &first, &total));
  EXPECT_EQ(first, 1000u);
  EXPECT_EQ(total, 2000u);
  for (const char* bad : {"bytes 5-4/10", "bytes 0-10/10", "bytes */10", "items 0-1/2", "bytes 1-2",
                          "bytes -1/2", "bytes 1-2/x"})
    EXPECT_FALSE(installer::ParseContentRange(bad, &first, &total)) << bad;
}

}  // namespace
