// The CryptoAPI signature check against signatures made by OpenSSL.
#include "installer/velnor/util/signature_verifier_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"

namespace {

std::string Vector(const char* name) {
  const char* dir = std::getenv("LITE_SIGNATURE_DATA");
  std::string path = dir ? dir : ".";
  path.append("/").append(name);
  return test::ReadWholeFile(test::FromUnixPath(path));
}

bool Check(SignatureVerifier* verifier,
           const std::string& signature,
           const std::string& key,
           const std::string& data) {
  auto bytes = [](const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); };
  return verifier->Verify(bytes(signature), signature.size(), bytes(key), key.size(), bytes(data),
                          data.size());
}

class SignatureVerifierTest : public ::testing::Test {
 protected:
  void SetUp() override {
    signature_ = Vector("signature.bin");
    key_ = Vector("public.der");
    data_ = Vector("data.bin");
    ASSERT_EQ(signature_.size(), 128u);
    ASSERT_EQ(key_.size(), 162u);
  }
  SignatureVerifier verifier_;
  std::string signature_, key_, data_;
};

TEST_F(SignatureVerifierTest, AcceptsOpenSslSignatureTwiceOnOneObject) {
  EXPECT_TRUE(Check(&verifier_, signature_, key_, data_));
  EXPECT_TRUE(Check(&verifier_, signature_, key_, data_));
}

TEST_F(SignatureVerifierTest, RejectsReversedSignatureAndChangedData) {
  test::LogCapture log;
  std::string reversed = signature_;
  std::reverse(reversed.begin(), reversed.end());
  EXPECT_FALSE(Check(&verifier_, reversed, key_, data_));
  EXPECT_FALSE(Check(&verifier_, signature_, key_, data_ + "x"));
  EXPECT_TRUE(log.Has("ERROR: Failed to verify signature, error: "));
}

TEST_F(SignatureVerifierTest, RejectsNonDerKeyAndEmptySignature) {
  test::LogCapture log;
  EXPECT_FALSE(Check(&verifier_, signature_, "not a key", data_));
  EXPECT_TRUE(log.Has("ERROR: Failed to convert decode public key, error: "));
  log.Clear();
  EXPECT_FALSE(Check(&verifier_, "", key_, data_));
  EXPECT_TRUE(log.Lines().empty());
}

}  // namespace
