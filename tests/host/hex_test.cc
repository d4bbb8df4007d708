#include "base/hex.h"

#include <gtest/gtest.h>

namespace {

TEST(HexTest, EncodesEveryNibbleInEitherCase) {
  const uint8_t bytes[] = {0x00, 0x0F, 0xA5, 0xFF, 0x10};
  EXPECT_EQ(base::HexEncode(bytes, sizeof(bytes)), "000fa5ff10");
  EXPECT_EQ(base::HexEncode(bytes, sizeof(bytes), base::HexCase::kUpper), "000FA5FF10");
  EXPECT_EQ(base::HexEncode(bytes, 0), "");
  EXPECT_EQ(base::HexEncode(nullptr, 0), "");
}

}  // namespace
