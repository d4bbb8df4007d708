// The signed trusted list read from a module's resources.
#include "installer/velnor/util/velnor_trust_verifier.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "base/win/wide.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"

namespace {

using install_util::VelnorTrustVerifier;

base::String16 Module(const char* name) {
  const char* dir = std::getenv("LITE_TRUST_MODULES");
  std::string path = dir ? dir : ".";
  path.append("/").append(name).append(".exe");
  const std::wstring wide = test::FromUnixPath(path);
  return base::win::FromWide(wide.c_str(), wide.size());
}

TEST(TrustJsonTest, SignedListIsReturnedUnchanged) {
  const std::string json = VelnorTrustVerifier::GetTrustJsonFromModule(Module("good"));
  EXPECT_EQ(json.rfind("{\"trusted_info\"", 0), 0u) << json;
  install_util::TrustedCertificateList list;
  EXPECT_TRUE(install_util::VelnorTrustVerifierBase::GetTrustedFiles(json, &list));
  EXPECT_EQ(list.size(), 1u);
}

TEST(TrustJsonTest, EveryFailureIsNamed) {
  struct Case {
    const char* module;
    const char* message;
  } cases[] = {
      {"bad_index", "ERROR: Cannot find key"},
      {"short_signature", "ERROR: Cannot find resource SIGNATURE_DAT"},
      {"changed_list", "ERROR: Verify error"},
      {"wrong_key", "ERROR: Verify error"},
      {"no_list", "ERROR: Cannot find resource TRUSTED_JSON"},
      {"missing", "ERROR: Failed to load module for GetTrustJsonFromModule: "},
  };
  for (const Case& c : cases) {
    test::LogCapture log;
    EXPECT_EQ(VelnorTrustVerifier::GetTrustJsonFromModule(Module(c.module)), "") << c.module;
    EXPECT_TRUE(log.Has(c.message)) << c.module;
  }
  test::LogCapture log;
  EXPECT_EQ(VelnorTrustVerifier::GetTrustJsonFromModule(u"relative\\setup.arc"), "");
  EXPECT_TRUE(
      log.Has("ERROR: Attempting to GetTrustJsonFromModule at an invalid path: "
              "relative\\setup.arc"));
}

}  // namespace
