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

#include "base/base64.h"
#include "base/json_reader.h"
#include "installer/util/variations.h"

namespace {

TEST(Base64Test, Rfc4648Vectors) {
  const std::pair<const char*, const char*> vectors[] = {{"", ""},
                                                         {"f", "Zg=="},
                                                         {"fo", "Zm8="},
                                                         {"foo", "Zm9v"},
                                                         {"foob", "Zm9vYg=="},
                                                         {"fooba", "Zm9vYmE="},
                                                         {"foobar", "Zm9vYmFy"}};
  for (const auto& [plain, encoded] : vectors)
    EXPECT_EQ(base::Base64Encode(plain), encoded);
  EXPECT_EQ(base::Base64Encode(std::string("\xFF\xFE\x00", 3)), "//4A");
}

TEST(VariationsFileTest, FourMembersInOrder) {
  const std::string text =
      installer::VariationsFileText({std::string("\x01\x02", 2), "sig", "Tue, 03 Dec 2024", ""});
  EXPECT_EQ(text,
            "{\n   \"variations_country\": \"\",\n"
            "   \"variations_last_modified_time\": \"Tue, 03 Dec 2024\",\n"
            "   \"variations_seed_base64\": \"AQI=\",\n"
            "   \"variations_seed_signature\": \"sig\"\n}");
  base::JsonValue value;
  std::string error;
  EXPECT_TRUE(base::ReadJson(installer::VariationsFileText({"", "s", "", "\xFF"}), &value, &error));
}

}  // namespace
