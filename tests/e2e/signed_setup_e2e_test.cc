// The whole trust check on signed copies of the fake setup program: the
// signed trusted list from its resources, then its Authenticode signature.
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/win/wide.h"
#include "installer/velnor/util/trust_provider_win.h"
#include "installer/velnor/util/velnor_trust_verifier.h"
#include "tests/host/log_capture.h"
#include "tests/win/test_support_win.h"

namespace {

base::String16 Variant(const char* name) {
  const char* dir = std::getenv("LITE_SIGNED_SETUPS");
  std::string path = dir ? dir : ".";
  path.append("/").append(name).append("/browser-setup.exe");
  const std::wstring wide = test::FromUnixPath(path);
  return base::win::FromWide(wide.c_str(), wide.size());
}

bool Trusted(const char* variant) {
  const base::String16 path = Variant(variant);
  const std::string list = install_util::VelnorTrustVerifier::GetTrustJsonFromModule(path);
  install_util::TrustProviderWin provider;
  install_util::VelnorTrustVerifier verifier(list, &provider);
  return verifier.VerifyModule(path, true);
}

TEST(SignedSetupE2eTest, ListedSha256SignatureIsAccepted) {
  test::LogCapture log;
  EXPECT_TRUE(Trusted("sha256"));
  EXPECT_TRUE(log.Has("INFO: File successfully verified with sha256. "));
  // A matching SHA-256 primary signature decides before the nested one.
  EXPECT_TRUE(Trusted("sha256_then_sha1"));
}

TEST(SignedSetupE2eTest, UnlistedSignerAndTamperedFileAreRejected) {
  test::LogCapture log;
  EXPECT_FALSE(Trusted("untrusted"));
  EXPECT_TRUE(log.Has("ERROR: Can not find sertificate in trusted list. "));
  log.Clear();
  EXPECT_FALSE(Trusted("tampered"));
  EXPECT_TRUE(log.Has("ERROR: KNOWN_ERROR_untrusted_certificate"));
}

}  // namespace
