// The trusted-module verifier with the real trust provider on files signed
// with the development leaf (a SHA-256 signature with its chain).
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/win/wide.h"
#include "installer/velnor/util/trust_provider_win.h"
#include "installer/velnor/util/velnor_trust_verifier.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"

namespace {

std::string Tagged(const std::string& name) {
  const char* dir = std::getenv("LITE_TAGGED_DIR");
  std::string path = dir ? dir : ".";
  return path.append("/").append(name);
}

base::String16 File(const std::string& name) {
  const std::wstring wide = test::FromUnixPath(Tagged(name));
  return base::win::FromWide(wide.c_str(), wide.size());
}

bool Verify(const std::string& list, const std::string& file) {
  install_util::TrustProviderWin provider;
  install_util::VelnorTrustVerifier verifier(test::ReadWholeFile(test::FromUnixPath(Tagged(list))),
                                             &provider);
  return verifier.VerifyModule(File(file), true);
}

TEST(TrustVerificationE2eTest, SignedFileOnTheListIsAccepted) {
  test::LogCapture log;
  EXPECT_TRUE(Verify("trusted.json", "signed/lite_installer.exe"));
  EXPECT_TRUE(log.Has("INFO: File successfully verified with sha256. "));
  // The tag in the certificate table does not disturb the signature.
  EXPECT_TRUE(Verify("trusted.json", "cert/lite_installer.exe"));
}

TEST(TrustVerificationE2eTest, WrongKeyOtherSerialAndTamperingAreRejected) {
  test::LogCapture log;
  EXPECT_FALSE(Verify("trusted_wrong_key.json", "signed/lite_installer.exe"));
  EXPECT_TRUE(log.Has("ERROR: Public key is not match. "));
  EXPECT_FALSE(Verify("trusted_other_serial.json", "signed/lite_installer.exe"));
  EXPECT_TRUE(log.Has("ERROR: Can not find sertificate in trusted list. "));
  log.Clear();
  EXPECT_FALSE(Verify("trusted.json", "tampered/lite_installer.exe"));
  EXPECT_TRUE(log.Has("ERROR: KNOWN_ERROR_untrusted_certificate"));
}

}  // namespace
