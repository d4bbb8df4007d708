#include "base/strings.h"

#include <gtest/gtest.h>

namespace base {
namespace {

TEST(StringsTest, Utf8RoundTripAndReplacement) {
  const String16 text = u"a\u00e9\u043f\U0001F600";
  EXPECT_EQ(UTF8ToUTF16(UTF16ToUTF8(text)), text);
  EXPECT_EQ(UTF16ToUTF8(u"\u00e9"), "\xC3\xA9");
  // Overlong, truncated, surrogate and lone continuation bytes.
  EXPECT_EQ(UTF8ToUTF16("\xC0\xAF"), u"\uFFFD\uFFFD");
  EXPECT_EQ(UTF8ToUTF16("\xE2\x82"), u"\uFFFD\uFFFD");
  EXPECT_EQ(UTF8ToUTF16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(UTF8ToUTF16("\x80z"), u"\uFFFDz");
  // A lone surrogate in UTF-16.
  EXPECT_EQ(UTF16ToUTF8(String16(1, char16_t{0xD800}) + u"x"), "\xEF\xBF\xBDx");
}

TEST(StringsTest, ParseWholeDecimal) {
  uint64_t value = 7;
  EXPECT_TRUE(ParseWholeDecimal("1234", &value));
  EXPECT_EQ(value, 1234u);
  EXPECT_TRUE(ParseWholeDecimal("18446744073709551615", &value));
  for (const char* bad : {"", "12ab", "-1", "+1", " 1", "1 ", "18446744073709551616"}) {
    value = 7;
    EXPECT_FALSE(ParseWholeDecimal(bad, &value)) << bad;
    EXPECT_EQ(value, 7u);
  }
}

}  // namespace
}  // namespace base
