// The whole trust check on signed copies of the fake setup program: the
// signed trusted list from its resources, then its Authenticode signature.
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/win/wide.h"
#include "installer/velnor/util/trust_provider_win.h"
#include "installer/velnor/util/velnor_trust_verifier.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"

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

// Wine answers every signature index with the primary signature, so for the
// SHA-1-first file only the primary (SHA-1) verdict is seen here; the order
// rules themselves are covered by the host tests with a fake provider.
TEST(SignedSetupE2eTest, ListedSha1SignatureIsAcceptedWithoutSha256Shortcut) {
  test::LogCapture log;
  EXPECT_TRUE(Trusted("sha1"));
  EXPECT_TRUE(log.Has("INFO: File successfully verified. "));
  EXPECT_FALSE(log.Has("verified with sha256"));
  log.Clear();
  EXPECT_TRUE(Trusted("sha1_then_sha256"));
  EXPECT_TRUE(log.Has("INFO: File successfully verified. "));
}

TEST(SignedSetupE2eTest, WrongKeyHashInListIsRejected) {
  test::LogCapture log;
  EXPECT_FALSE(Trusted("wrong_pub_key"));
  EXPECT_TRUE(log.Has("ERROR: Public key is not match. "));
  EXPECT_TRUE(log.Has("ERROR: SHA256 verification failed. "));
  EXPECT_TRUE(log.Has("ERROR: Can not find any trusted certificates. "));
}

TEST(SignedSetupE2eTest, UnusableSignedListMeansNothingIsTrusted) {
  struct Case {
    const char* variant;
    const char* message;
  };
  for (const Case& c : {Case{"bad_index", "ERROR: Cannot find key"},
                        Case{"short_signature", "ERROR: Cannot find resource SIGNATURE_DAT"},
                        Case{"changed_list", "ERROR: Verify error"}}) {
    SCOPED_TRACE(c.variant);
    test::LogCapture log;
    const std::string list =
        install_util::VelnorTrustVerifier::GetTrustJsonFromModule(Variant(c.variant));
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(log.Has(c.message));
    EXPECT_FALSE(Trusted(c.variant));
  }
}

}  // namespace
