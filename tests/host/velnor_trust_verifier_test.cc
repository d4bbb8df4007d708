#include "installer/velnor/util/velnor_trust_verifier.h"

#include <gtest/gtest.h>

#include "base/base64.h"
#include "tests/support/log_capture.h"

namespace {

using install_util::CertParams;
using install_util::TrustedCertificateList;
using install_util::VelnorTrustVerifier;

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> bytes;
  for (int v : values)
    bytes.push_back(static_cast<uint8_t>(v));
  return bytes;
}

std::string Base64(const std::vector<uint8_t>& bytes) {
  return base::Base64Encode(std::string(bytes.begin(), bytes.end()));
}

std::vector<uint8_t> Serial16(uint8_t last) {
  std::vector<uint8_t> serial(16, 0x42);
  serial.back() = last;
  return serial;
}

const std::vector<uint8_t> kGoodHash(32, 0xAB);

// Signatures of a file as the trust provider would report them.
struct FakeSignature {
  long status;
  CertParams params;
  bool extracts = true;
};

class FakeTrustProvider : public install_util::TrustProvider {
 public:
  long Verify(const base::String16&, uint32_t index, bool, bool hash_only) override {
    ++verify_calls;
    current = index;
    hash_only_seen |= hash_only;
    if (hash_only && index < extended_status.size())
      return extended_status[index];
    return index < signatures.size() ? signatures[index].status : 1;
  }
  uint32_t SecondarySignatureCount() override {
    return signatures.empty() ? 0 : static_cast<uint32_t>(signatures.size() - 1);
  }
  bool ExtractCertParams(CertParams* params) override {
    if (!signatures[current].extracts)
      return false;
    *params = signatures[current].params;
    return true;
  }
  void Close() override { ++closes; }
  bool IsWin7UpdateCase() override { return win7; }
  bool ShouldVerifySigner() override { return verify_signer; }
  int VerifyFileSigner(const base::String16&) override { return signer_result; }

  std::vector<FakeSignature> signatures;
  std::vector<long> extended_status;
  uint32_t current = 0;
  int verify_calls = 0;
  int closes = 0;
  bool hash_only_seen = false;
  bool win7 = false;
  bool verify_signer = false;
  int signer_result = 0;
};

std::string TrustedJson(const std::vector<uint8_t>& id, const std::string& pub_key_hex) {
  return R"({"trusted_info": {"certificates": [{"id": ")" + Base64(id) + R"(", "pub_key": ")" +
         pub_key_hex + R"("}]}})";
}

const std::string kGoodHashHex(64, 'a');  // 0xAA bytes
const std::vector<uint8_t> kListedHash(32, 0xAA);

FakeSignature Sha1(const std::vector<uint8_t>& serial, const std::vector<uint8_t>& hash) {
  return {0, {serial, false, hash}};
}
FakeSignature Sha256(const std::vector<uint8_t>& serial, const std::vector<uint8_t>& hash) {
  return {0, {serial, true, hash}};
}

bool Verify(FakeTrustProvider* provider, const std::string& json) {
  VelnorTrustVerifier verifier(json, provider);
  return verifier.VerifyModule(u"C:\\T\\setup.arc", false);
}

TEST(VelnorTrustVerifierTest, DualSignatureOrders) {
  const std::string json = TrustedJson(Serial16(1), kGoodHashHex);
  {
    // SHA-1 matches, then SHA-256 does not: the SHA-256 failure cancels it.
    FakeTrustProvider provider;
    provider.signatures = {Sha1(Serial16(1), kListedHash), Sha256(Serial16(9), kListedHash)};
    EXPECT_FALSE(Verify(&provider, json));
  }
  {
    // SHA-256 fails first: the later SHA-1 signature is ignored.
    FakeTrustProvider provider;
    provider.signatures = {Sha256(Serial16(9), kListedHash), Sha1(Serial16(1), kListedHash)};
    EXPECT_FALSE(Verify(&provider, json));
  }
  {
    // SHA-256 first and matching: accepted at once.
    FakeTrustProvider provider;
    provider.signatures = {Sha256(Serial16(1), kListedHash), Sha1(Serial16(9), kListedHash)};
    test::LogCapture log;
    EXPECT_TRUE(Verify(&provider, json));
    EXPECT_EQ(provider.verify_calls, 1);
    EXPECT_TRUE(log.Has("INFO: File successfully verified with sha256. C:\\T\\setup.arc"));
  }
  {
    // A SHA-1 signature alone can make the file trusted.
    FakeTrustProvider provider;
    provider.signatures = {Sha1(Serial16(1), kListedHash)};
    test::LogCapture log;
    EXPECT_TRUE(Verify(&provider, json));
    EXPECT_TRUE(log.Has("INFO: File successfully verified. C:\\T\\setup.arc"));
    EXPECT_GE(provider.closes, 1);
  }
}

TEST(VelnorTrustVerifierTest, SerialMatchingAndPublicKey) {
  const std::vector<uint8_t> serial = Serial16(1);
  std::vector<uint8_t> id17 = serial;
  id17.insert(id17.begin(), 0x00);
  const std::vector<uint8_t> id15(serial.begin() + 1, serial.end());
  EXPECT_NE(install_util::FindTrustedCertificate({{id17, {id17, {}}}}, serial), nullptr);
  EXPECT_EQ(install_util::FindTrustedCertificate({{id15, {id15, {}}}}, serial), nullptr);
  // A certificate without a serial matches no entry, not the first one.
  EXPECT_EQ(install_util::FindTrustedCertificate({{id17, {id17, {}}}}, {}), nullptr);
  FakeTrustProvider no_serial;
  no_serial.signatures = {Sha256({}, kGoodHash)};
  {
    test::LogCapture no_serial_log;
    EXPECT_FALSE(Verify(&no_serial, TrustedJson(serial, kGoodHashHex)));
    EXPECT_TRUE(no_serial_log.Has("Can not find sertificate in trusted list. "));
  }

  FakeTrustProvider provider;
  provider.signatures = {Sha256(serial, kGoodHash)};
  test::LogCapture log;
  EXPECT_FALSE(Verify(&provider, TrustedJson(serial, kGoodHashHex)));
  EXPECT_TRUE(log.Has("ERROR: Public key is not match. C:\\T\\setup.arc"));
  EXPECT_TRUE(log.Has("ERROR: KNOWN_ERROR_untrusted_certificate"));
  EXPECT_TRUE(log.Has("ERROR: Trusted JSON serial number: " + install_util::HexEncode(serial)));

  // An empty hash on either side leaves the decision to the serial.
  FakeTrustProvider no_hash;
  no_hash.signatures = {Sha256(serial, {})};
  EXPECT_TRUE(Verify(&no_hash, TrustedJson(serial, kGoodHashHex)));
  FakeTrustProvider short_key;
  short_key.signatures = {Sha256(serial, kGoodHash)};
  EXPECT_TRUE(Verify(&short_key, TrustedJson(serial, std::string(62, 'a'))));
}

TEST(VelnorTrustVerifierTest, EmptyListNeverAsksTheProvider) {
  FakeTrustProvider provider;
  provider.signatures = {Sha256(Serial16(1), kListedHash)};
  test::LogCapture log;
  EXPECT_FALSE(Verify(&provider, R"({"trusted_info": {"certificates": {}}})"));
  EXPECT_EQ(provider.verify_calls, 0);
  EXPECT_TRUE(log.Has("ERROR: Incorrect format of json"));
}

TEST(VelnorTrustVerifierTest, ProviderFailuresAndExtraction) {
  const std::vector<uint8_t> serial = Serial16(1);
  {
    FakeTrustProvider provider;
    provider.signatures = {{1, {serial, true, {}}}, Sha1(serial, {})};
    EXPECT_TRUE(Verify(&provider, TrustedJson(serial, "")));  // the second signature decides
  }
  {
    FakeTrustProvider provider;
    provider.signatures = {{0, {serial, true, {}}, false}};
    test::LogCapture log;
    EXPECT_FALSE(Verify(&provider, TrustedJson(serial, "")));
    EXPECT_TRUE(log.Has("ERROR: ExtractCertParams failed. C:\\T\\setup.arc"));
    // This line names its source unit, not the function that writes it.
    bool located = false;
    for (const logging::LogRecord& record : log.records()) {
      if (record.message.starts_with("ExtractCertParams failed. "))
        located = record.function == "velnor_trust_verifier_win";
    }
    EXPECT_TRUE(located);
  }
  {
    FakeTrustProvider provider;
    provider.signatures = {{install_util::TrustProvider::kException, {serial, true, {}}}};
    test::LogCapture log;
    EXPECT_FALSE(Verify(&provider, TrustedJson(serial, "")));
    EXPECT_TRUE(log.Has("ERROR: An attempt to verify C:\\T\\setup.arc generated an exception "));
  }
}

TEST(VelnorTrustVerifierTest, ExtendedCheckOnlyInTheWin7Case) {
  const std::vector<uint8_t> serial = Serial16(1);
  FakeTrustProvider provider;
  provider.signatures = {{0x800B0109, {serial, true, {}}}};
  provider.extended_status = {0};
  EXPECT_FALSE(Verify(&provider, TrustedJson(serial, "")));
  EXPECT_FALSE(provider.hash_only_seen);

  provider.win7 = true;
  provider.verify_calls = 0;
  test::LogCapture log;
  EXPECT_TRUE(Verify(&provider, TrustedJson(serial, "")));
  EXPECT_TRUE(provider.hash_only_seen);
  EXPECT_TRUE(
      log.Has("WARNING: Start additional sha256 verification. C:\\T\\setup.arc Error code: "
              "2148204809"));
  EXPECT_TRUE(log.Has("INFO: Extended verification success. C:\\T\\setup.arc Error code: 0"));

  provider.verify_signer = true;
  provider.signer_result = 4;
  EXPECT_FALSE(Verify(&provider, TrustedJson(serial, "")));
  EXPECT_TRUE(log.Has("ERROR: Failed to verify signer, error=4"));
}

TEST(VelnorTrustVerifierTest, Win7CasePredicate) {
  using install_util::IsWin7UpdateCaseFor;
  EXPECT_TRUE(IsWin7UpdateCaseFor({6, 1, 7601, 0}, {6, 1}, true, "", ""));
  EXPECT_FALSE(IsWin7UpdateCaseFor({10, 0, 19045}, {10, 0}, true, "", ""));
  EXPECT_FALSE(IsWin7UpdateCaseFor({6, 1, 7601}, {6, 1}, false, "", ""));
  EXPECT_TRUE(IsWin7UpdateCaseFor({6, 1, 7601, 24544}, {}, true, "6.1.7601.24000", "bad"));
  EXPECT_FALSE(IsWin7UpdateCaseFor({6, 1, 7601, 24544}, {}, true, "6.1.7601.24544", ""));
  EXPECT_FALSE(IsWin7UpdateCaseFor({6, 3}, {}, true, "", "6.3.9600.1"));  // unreadable crypt32
  EXPECT_TRUE(IsWin7UpdateCaseFor({6, 3}, {6, 3, 9600, 20000}, true, "", "6.3.9600.1"));
}

TEST(TrustedListTest, ElementRules) {
  TrustedCertificateList list;
  const std::string json = R"({"trusted_info": {"certificates": [
      {"id": "AQID", "pub_key": ")" +
                           std::string(64, 'F') + R"("},
      {"id": "AQID", "pub_key": ")" +
                           std::string(64, '0') + R"("},
      {"id": "BAU=", "pub_key": ")" +
                           std::string(66, 'a') + R"("},
      {"id": "not base64!"}, {"id": 5}, "text", {"pub_key": "00"},
      {"id": "BgcI", "pub_key": ")" +
                           std::string(63, 'a') + R"(g"}
  ]}, "other": 1})";
  EXPECT_TRUE(install_util::VelnorTrustVerifierBase::GetTrustedFiles(json, &list));
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[Bytes({1, 2, 3})].pub_key, std::vector<uint8_t>(32, 0xFF));  // first wins
  EXPECT_TRUE(list[Bytes({4, 5})].pub_key.empty());
  EXPECT_TRUE(list[Bytes({6, 7, 8})].pub_key.empty());

  test::LogCapture log;
  EXPECT_FALSE(install_util::VelnorTrustVerifierBase::GetTrustedFiles("{,}", &list));
  EXPECT_TRUE(list.empty());
  EXPECT_TRUE(log.Has("ERROR: Failed to read json : Line: 1"));
}

TEST(Base64DecodeTest, Strict) {
  std::string bytes;
  EXPECT_TRUE(base::Base64Decode("Zm9vYg==", &bytes));
  EXPECT_EQ(bytes, "foob");
  EXPECT_TRUE(base::Base64Decode("", &bytes));
  EXPECT_EQ(bytes, "");
  for (const char* bad : {"Zm9", "Zm9v YQ==", "Zm=v", "=Zm9", "Zm9v-A==", "Zg==Zg=="})
    EXPECT_FALSE(base::Base64Decode(bad, &bytes)) << bad;
}

}  // namespace
