// The in-memory download sink and its size limit.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "installer/util/download_writer.h"

namespace {

using installer::StringDownloadWriter;

const uint8_t* Bytes(const std::string& text) {
  return reinterpret_cast<const uint8_t*>(text.data());
}

TEST(StringDownloadWriterTest, FillsUpToTheLimitAndRefusesTheRest) {
  StringDownloadWriter writer(10);
  EXPECT_TRUE(writer.Write(Bytes("abcd"), 4));
  EXPECT_TRUE(writer.Write(Bytes("efghij"), 6));  // exactly the limit
  EXPECT_FALSE(writer.LimitExceeded());
  // One byte more is refused whole: nothing of it is kept.
  EXPECT_FALSE(writer.Write(Bytes("k"), 1));
  EXPECT_TRUE(writer.LimitExceeded());
  EXPECT_EQ(writer.data(), "abcdefghij");
  EXPECT_EQ(writer.size(), 10u);
  // An empty write at the limit is not past it.
  EXPECT_TRUE(writer.Write(Bytes(""), 0));

  // Reset starts over, limit state included.
  writer.Reset();
  EXPECT_FALSE(writer.LimitExceeded());
  EXPECT_EQ(writer.size(), 0u);
  EXPECT_TRUE(writer.Write(Bytes("0123456789"), 10));
}

TEST(StringDownloadWriterTest, AChunkLargerThanWhatIsLeftNeverWraps) {
  StringDownloadWriter writer(8);
  EXPECT_TRUE(writer.Write(Bytes("1234567"), 7));
  // A length near the 32-bit maximum must not overflow the comparison.
  const std::vector<uint8_t> chunk(16, 'x');
  EXPECT_FALSE(writer.Write(chunk.data(), UINT32_MAX));
  EXPECT_FALSE(writer.Write(chunk.data(), UINT32_MAX - 3));
  EXPECT_EQ(writer.size(), 7u);
  EXPECT_TRUE(writer.Write(chunk.data(), 1));
  EXPECT_EQ(writer.data(), "1234567x");
}

// An endless answer, chunk after chunk: the sink stops at its limit and
// holds no more than it.
TEST(StringDownloadWriterTest, EndlessAnswerStopsAtTheLimit) {
  constexpr uint32_t kLimit = 1024 * 1024;
  StringDownloadWriter writer(kLimit);
  const std::vector<uint8_t> chunk(32 * 1024 + 7, 'a');
  int accepted = 0;
  while (writer.Write(chunk.data(), static_cast<uint32_t>(chunk.size())))
    ++accepted;
  EXPECT_EQ(accepted, static_cast<int>(kLimit / chunk.size()));
  EXPECT_TRUE(writer.LimitExceeded());
  EXPECT_LE(writer.data().size(), kLimit);
}

}  // namespace
