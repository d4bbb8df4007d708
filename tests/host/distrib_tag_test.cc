#include "installer/lite_installer/config/distrib_tag.h"

#include <gtest/gtest.h>

#include "tools/tag/tag_writer.h"

namespace {

using install_util::FindAppendedTag;
using install_util::FindFakeCertificateTag;
using install_util::TagSearchResult;

std::string Der(uint8_t tag, const std::string& content) {
  std::string length;
  if (content.size() < 0x80) {
    length = std::string(1, static_cast<char>(content.size()));
  } else {
    for (size_t rest = content.size(); rest; rest >>= 8)
      length.insert(length.begin(), static_cast<char>(rest & 0xFF));
    length.insert(length.begin(), static_cast<char>(0x80 | length.size()));
  }
  return static_cast<char>(tag) + length + content;
}

void PutLE32(std::string* data, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    (*data)[offset + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
}

// A PKCS #7 SignedData whose certificate set holds |certificates|.
std::string SignedData(const std::string& certificates) {
  const std::string oid_signed_data = Der(0x06, "\x2A\x86\x48\x86\xF7\x0D\x01\x07\x02");
  const std::string signed_data =
      Der(0x30, Der(0x02, "\x01") + Der(0x31, "") + Der(0x30, Der(0x06, "\x2B\x06\x01")) +
                    Der(0xA0, certificates) + Der(0x31, std::string(300, '\x11')));
  return Der(0x30, oid_signed_data + Der(0xA0, signed_data));
}

// A minimal PE image (32- or 64-bit layout) whose certificate table holds
// |pkcs7|.
std::string SignedImage(bool pe32_plus, const std::string& pkcs7) {
  std::string file(1024, '\0');
  file[0] = 'M';
  file[1] = 'Z';
  PutLE32(&file, 60, 128);
  file.replace(128, 4, std::string("PE\0\0", 4));
  const size_t optional = 128 + 24;
  file[optional] = 0x0B;
  file[optional + 1] = pe32_plus ? 0x02 : 0x01;
  const size_t directory = optional + (pe32_plus ? 108 : 92) + 36;
  std::string entry(8, '\0');
  entry += pkcs7;
  entry.append((8 - entry.size() % 8) % 8, '\0');
  PutLE32(&entry, 0, static_cast<uint32_t>(entry.size()));
  entry[5] = 0x02;  // revision 2
  entry[6] = 0x02;  // PKCS_SIGNED_DATA
  PutLE32(&file, directory, static_cast<uint32_t>(file.size()));
  PutLE32(&file, directory + 4, static_cast<uint32_t>(entry.size()));
  return file + entry;
}

const std::string kRealCertificate = Der(0x30, Der(0x30, std::string(200, '\x22')));

std::string Found(const std::string& file) {
  std::string tag;
  EXPECT_EQ(FindFakeCertificateTag(file, &tag), TagSearchResult::kFound);
  return tag;
}

TEST(DistribTagTest, CertificateTagRoundTripInBothImageKinds) {
  for (bool pe32_plus : {false, true}) {
    std::string file = SignedImage(pe32_plus, SignedData(kRealCertificate));
    EXPECT_EQ(Found(file), "");
    std::string error;
    ASSERT_TRUE(tag_tool::SetCertificateTag(&file, "partner_id=1&lang=uk", &error)) << error;
    EXPECT_EQ(Found(file), "partner_id=1&lang=uk");
    // Setting again replaces the dummy certificate rather than adding one.
    ASSERT_TRUE(tag_tool::SetCertificateTag(&file, "a=2", &error)) << error;
    EXPECT_EQ(Found(file), "a=2");
    EXPECT_EQ(file.size() % 8, 0u);
  }
}

TEST(DistribTagTest, AppendedTagRoundTripInBothImageKinds) {
  for (bool pe32_plus : {false, true}) {
    std::string file = SignedImage(pe32_plus, SignedData(kRealCertificate));
    EXPECT_EQ(FindAppendedTag(file), "");
    std::string error;
    ASSERT_TRUE(tag_tool::SetAppendedTag(&file, "def=1&stat=2", &error)) << error;
    EXPECT_EQ(FindAppendedTag(file), "def=1&stat=2") << pe32_plus;
    ASSERT_TRUE(tag_tool::SetAppendedTag(&file, "x=", &error)) << error;
    EXPECT_EQ(FindAppendedTag(file), "x=");
    EXPECT_EQ(Found(file), "");
  }
}

TEST(DistribTagTest, TwoDummyCertificatesConcatenateAndBadOnesAreSkipped) {
  const std::string first = tag_tool::BuildDummyCertificate("a=1&");
  const std::string second = tag_tool::BuildDummyCertificate("b=2");
  // A dummy certificate whose carried length exceeds its value.
  std::string broken = tag_tool::BuildDummyCertificate("zz");
  const size_t length_at = broken.find(std::string("\x00\x02zz", 4));
  ASSERT_NE(length_at, std::string::npos);
  broken[length_at + 1] = 0x09;
  const std::string file =
      SignedImage(false, SignedData(first + kRealCertificate + broken + second));
  EXPECT_EQ(Found(file), "a=1&b=2");
}

TEST(DistribTagTest, FailuresSayWhere) {
  std::string tag = "stale";
  EXPECT_EQ(FindFakeCertificateTag("MZ not a pe", &tag), TagSearchResult::kNoCertificateTable);
  EXPECT_EQ(tag, "");
  std::string unsigned_image = SignedImage(false, SignedData(kRealCertificate));
  PutLE32(&unsigned_image, 128 + 24 + 92 + 36, 0);
  EXPECT_EQ(FindFakeCertificateTag(unsigned_image, &tag), TagSearchResult::kNoCertificateTable);
  EXPECT_EQ(FindAppendedTag(unsigned_image), "");

  // A certificate set whose last element runs past the set's end.
  std::string overlong = SignedImage(false, SignedData(kRealCertificate));
  const size_t certificate_at = overlong.find(kRealCertificate);
  overlong[certificate_at + 2] = static_cast<char>(0xFF);
  EXPECT_EQ(FindFakeCertificateTag(overlong, &tag), TagSearchResult::kInvalidAsn1);

  // Not signed data at all.
  const std::string garbage = SignedImage(false, Der(0x30, Der(0x02, "\x01")));
  EXPECT_EQ(FindFakeCertificateTag(garbage, &tag), TagSearchResult::kInvalidAsn1);
}

TEST(DistribTagTest, AppendedBlockMustFitTheFile) {
  std::string file = SignedImage(false, SignedData(kRealCertificate));
  std::string error;
  ASSERT_TRUE(tag_tool::SetAppendedTag(&file, "abc=1", &error));
  const size_t block = file.rfind("Vact");
  file[block + 5] = 100;  // claims more than the file holds
  EXPECT_EQ(FindAppendedTag(file), "");
}

TEST(TagWriterTest, AcceptableTags) {
  std::string error;
  EXPECT_TRUE(tag_tool::IsAcceptableTag("partner_id=1&url=https://x.example/a%20b&e=", &error));
  for (const char* bad :
       {"", "novalue", "a=1&&b=2", "=1", "a=1&b", "a=\"q\"", "a=1 2", "a=\xD0\xBF"}) {
    EXPECT_FALSE(tag_tool::IsAcceptableTag(bad, &error)) << bad;
    EXPECT_FALSE(error.empty());
  }
}

TEST(TagWriterTest, ChecksumMatchesTheLoadersAlgorithm) {
  // Words 0x0201 and 0x0403, the checksum field (offset 4) skipped, plus the
  // length.
  const std::string data("\x01\x02\x03\x04\xFF\xFF\xFF\xFF\x05", 9);
  EXPECT_EQ(tag_tool::ComputePeChecksum(data, 4), 0x0201u + 0x0403u + 0x05u + 9u);
}

}  // namespace
