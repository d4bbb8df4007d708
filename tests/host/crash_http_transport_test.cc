#include <gtest/gtest.h>

#include "crash/http_transport.h"

namespace crashpad {
namespace {

constexpr uint64_t kVersion = (uint64_t{6} << 48) | (uint64_t{1} << 32) | (7601u << 16) | 24545u;

TEST(CrashUserAgentTest, EachPartOnlyWhenKnown) {
  EXPECT_EQ(MakeUserAgent({}), "Crashpad/0.8.0 WinHTTP");
  UserAgentFacts facts;
  facts.http_library_version = kVersion;
  EXPECT_EQ(MakeUserAgent(facts), "Crashpad/0.8.0 WinHTTP/6.1.7601.24545");
  facts.nt_kernel_version = (uint64_t{5} << 48) | (uint64_t{1} << 32) | (2600u << 16) | 5512u;
  EXPECT_EQ(MakeUserAgent(facts),
            "Crashpad/0.8.0 WinHTTP/6.1.7601.24545 Windows_NT/5.1.2600.5512 (x86)");
  facts.wow64 = true;
  facts.http_library_version.reset();
  EXPECT_EQ(MakeUserAgent(facts), "Crashpad/0.8.0 WinHTTP Windows_NT/5.1.2600.5512 (x86; WoW64)");
  // The highest word values are printed in full, not as signed numbers.
  facts.nt_kernel_version = UINT64_MAX;
  EXPECT_EQ(MakeUserAgent(facts),
            "Crashpad/0.8.0 WinHTTP Windows_NT/65535.65535.65535.65535 (x86; WoW64)");
}

TEST(CrashTransportErrorTest, MessageWithoutTrailingSpaceThenCode) {
  EXPECT_EQ(TransportErrorText("WinHttpSendRequest", "The operation timed out\r\n", 12002),
            "WinHttpSendRequest: The operation timed out (0x2ee2)");
  EXPECT_EQ(TransportErrorText("WinHttpOpen", "  ", 0xffffffffu), "WinHttpOpen:  (0xffffffff)");
  EXPECT_EQ(TransportLookupErrorText("WinHttpConnect", 0x13d, 12029),
            "WinHttpConnect: error 0x13d while retrieving error 0x2efd");
}

}  // namespace
}  // namespace crashpad
