#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "crash/annotations_stream.h"
#include "crash/crash_annotations.h"
#include "crash/string_file.h"
#include "tests/support/log_capture.h"

namespace crashpad {
namespace {

using namespace std::string_literals;

const Guid kReportId{0x01234567, 0x89AB, 0xCDEF, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
const Guid kClientId{0xA1B2C3D4, 0x0102, 0xF0E0, {0xFF, 0x00, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60}};

std::string U32(uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i)
    bytes.push_back(static_cast<char>(value >> (8 * i)));
  return bytes;
}

uint32_t GetU32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
  return value;
}

// A string of the string area: length, bytes, terminating zero.
std::string Text(const std::string& text) {
  return U32(static_cast<uint32_t>(text.size())) + text + std::string(1, '\0');
}

TEST(CrashAnnotationsTest, GuidTextsAndCrashKeys) {
  EXPECT_EQ(FormatGuid(kReportId), "01234567-89AB-CDEF-0123-456789ABCDEF");
  EXPECT_EQ(FormatGuid(Guid{}), "00000000-0000-0000-0000-000000000000");
  const auto bytes = kClientId.Bytes();
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
            "\xD4\xC3\xB2\xA1\x02\x01\xE0\xF0\xFF\x00\x10\x20\x30\x40\x50\x60"s);
  EXPECT_EQ(BracedUserId("AB-CD"), "{AB-CD}");
  EXPECT_EQ(BracedUserId("{AB-CD}"), "{AB-CD}");
  EXPECT_EQ(BracedUserId(""), "");

  Annotations annotations;
  SetAnnotation(&annotations, "ptype", "installer");
  SetAnnotation(&annotations, "ptype", "setup");
  SetAnnotation(&annotations, "", "value");
  SetAnnotation(&annotations, "empty", "");
  EXPECT_EQ(annotations, (Annotations{{"ptype", "setup"}}));
}

TEST(AnnotationsStreamTest, InitialAnnotationsGiveSixInKeyOrder) {
  const std::string report = "01234567-89AB-CDEF-0123-456789ABCDEF";
  const std::string uid = "00000000-0000-0000-0000-000000000000";
  const std::string stream =
      BuildAnnotationsStream(kReportId, Guid{}, InitialAnnotations(Guid{}, kReportId, true));
  // Six pairs of 8 bytes and a 193-byte string area.
  const std::string expected =
      U32(1) + "\x67\x45\x23\x01\xAB\x89\xEF\xCD\x01\x23\x45\x67\x89\xAB\xCD\xEF"s +
      std::string(16, '\0') + U32(4 + 48 + 193) + U32(52) + U32(0) + U32(0) + U32(6) + U32(0) +
      U32(17) + U32(26) + U32(35) + U32(45) + U32(54) + U32(65) + U32(79) + U32(120) + U32(128) +
      U32(169) + U32(177) + Text("gzip_enabled") + Text("true") + Text("plat") + Text("Win32") +
      Text("prod") + Text("Velnor") + Text("report_id") + Text(report) + Text("uid") + Text(uid) +
      Text("ver") + Text("24.10.4.931");
  EXPECT_EQ(stream, expected);
  EXPECT_EQ(stream.size(), 297u);
}

TEST(AnnotationsStreamTest, OtherSetsIncludingNone) {
  EXPECT_EQ(BuildAnnotationsStream(kReportId, kClientId, {}).substr(36),
            U32(4) + U32(52) + U32(0) + U32(0) + U32(0));
  // Bytes are copied as they are, an empty-valued key would be dropped
  // before it gets here.
  const std::string stream = BuildAnnotationsStream(
      kReportId, kClientId, {{"ptype", "installer"}, {"brand_name", "V\xC3\xA9lnor"}});
  const auto client = kClientId.Bytes();
  EXPECT_EQ(stream.substr(20, 16), std::string(client.begin(), client.end()));
  EXPECT_EQ(stream.substr(36), U32(4 + 16 + 51) + U32(52) + U32(0) + U32(0) + U32(2) + U32(0) +
                                   U32(15) + U32(27) + U32(37) + Text("brand_name") +
                                   Text("V\xC3\xA9lnor") + Text("ptype") + Text("installer"));
}

// A dump as the system writes it: header, a directory of three streams and
// the annotations stream at |position|, with other bytes around it.
struct SyntheticDump {
  std::string bytes;
  uint32_t position;
  Annotations annotations;
  std::string stream;
};

SyntheticDump MakeDump(uint32_t stream_count = 3) {
  SyntheticDump dump;
  dump.annotations = InitialAnnotations(kClientId, kReportId, true);
  dump.annotations["ptype"] = "installer";
  dump.stream = BuildAnnotationsStream(kReportId, kClientId, dump.annotations);
  dump.position = 32 + 12 * 3 + 20;
  const uint32_t size = static_cast<uint32_t>(dump.stream.size());
  dump.bytes = U32(0x504D444D) + U32(0xA793) + U32(stream_count) + U32(32) + U32(0) + U32(0) +
               std::string(8, '\0') + U32(3) + U32(20) + U32(68) + U32(0x43500001) + U32(size) +
               U32(dump.position) + U32(7) + U32(4) + U32(dump.position + size) +
               std::string(20, 'x') + dump.stream + "TAIL";
  return dump;
}

TEST(AnnotationsStreamTest, FixUpMakesEveryPositionAFilePosition) {
  SyntheticDump dump = MakeDump();
  StringFile file(dump.bytes);
  ASSERT_TRUE(FixAnnotationsStreamPositions(&file, 7));
  const std::string& fixed = file.contents();
  ASSERT_EQ(fixed.size(), dump.bytes.size());

  // Follow the directory and the absolute positions back to every string.
  const uint32_t p = GetU32(fixed, 32 + 12 + 8);
  const uint32_t list = GetU32(fixed, p + 40);
  EXPECT_EQ(list, p + 52);
  ASSERT_EQ(GetU32(fixed, list), 7u);
  size_t index = 0;
  for (const auto& [key, value] : dump.annotations) {
    for (const std::string* text : {&key, &value}) {
      const uint32_t at = GetU32(fixed, list + 4 + 4 * index++);
      ASSERT_LT(at + 4, fixed.size());
      EXPECT_EQ(fixed.substr(at + 4, GetU32(fixed, at)), *text);
    }
  }
  // Only the list position and the pair table changed.
  std::string restored = fixed;
  restored.replace(p + 40, 4, U32(52));
  restored.replace(p + 56, 8 * 7, dump.stream.substr(56, 8 * 7));
  EXPECT_EQ(restored, dump.bytes);
}

TEST(AnnotationsStreamTest, FixUpTakesTheLastAnnotationsEntry) {
  SyntheticDump dump = MakeDump();
  // The first directory entry becomes an annotations entry over garbage.
  dump.bytes.replace(32, 4, U32(0x43500001));
  StringFile file(dump.bytes);
  EXPECT_TRUE(FixAnnotationsStreamPositions(&file, 7));
  EXPECT_EQ(GetU32(file.contents(), dump.position + 40), dump.position + 52);
}

// A dump that fails must fail without writing anything.
void ExpectRejected(const std::string& bytes, uint32_t count, const std::string& line) {
  test::LogCapture log;
  StringFile file(bytes);
  EXPECT_FALSE(FixAnnotationsStreamPositions(&file, count)) << line;
  EXPECT_EQ(file.contents(), bytes) << line;
  EXPECT_TRUE(log.Has("ERROR: " + line)) << line;
}

TEST(AnnotationsStreamTest, TruncatedDumpsFailCleanly) {
  const SyntheticDump dump = MakeDump();
  const size_t list_end = dump.position + 56 + 8 * 7;
  for (size_t size = 0; size < list_end; ++size) {
    StringFile file(dump.bytes.substr(0, size));
    EXPECT_FALSE(FixAnnotationsStreamPositions(&file, 7)) << size;
    EXPECT_EQ(file.contents(), dump.bytes.substr(0, size)) << size;
  }
}

TEST(AnnotationsStreamTest, HostileDumpsFailCleanly) {
  const SyntheticDump dump = MakeDump();
  const uint32_t p = dump.position;
  const size_t entry = 32 + 12;  // the annotations directory entry
  auto with = [&](size_t at, uint32_t value) {
    std::string bytes = dump.bytes;
    bytes.replace(at, 4, U32(value));
    return bytes;
  };
  ExpectRejected(with(0, 0x504D444E), 7, "Not a minidump");
  ExpectRejected(with(entry, 0x43500002), 7, "No annotations stream in the minidump");
  ExpectRejected(with(8, 0), 7, "No annotations stream in the minidump");
  ExpectRejected(with(8, 0xFFFFFFFF), 7, "Can't read the minidump stream directory");
  ExpectRejected(with(12, 0xFFFFFFF0), 7, "Can't read the minidump stream directory");
  ExpectRejected(with(entry + 4, 56 + 8 * 7 - 1), 7, "Annotations stream has a wrong size");
  ExpectRejected(with(entry + 8, 0xFFFFFF00), 7, "Annotations stream has a wrong size");
  ExpectRejected(with(entry + 8, 0x7FFFFF00), 7, "Can't read the annotations stream");
  ExpectRejected(with(p + 40, p + 52), 7, "Annotations stream has a wrong list position");
  ExpectRejected(dump.bytes, 6, "Annotations stream has a wrong count");
  ExpectRejected(dump.bytes, 8, "Annotations stream has a wrong count");
  // The last value's position points past the end of the stream.
  const uint32_t area = static_cast<uint32_t>(dump.stream.size()) - 56 - 8 * 7;
  ExpectRejected(with(p + 56 + 8 * 7 - 4, area), 7, "Annotations stream has a string outside it");
}

// A file that can be read but not written.
class ReadOnlyFile : public FileReaderWriterInterface {
 public:
  explicit ReadOnlyFile(std::string contents) : file_(std::move(contents)) {}
  int64_t Read(void* data, size_t size) override { return file_.Read(data, size); }
  bool Write(const void*, size_t) override { return false; }
  bool SeekTo(uint64_t offset) override { return file_.SeekTo(offset); }

 private:
  StringFile file_;
};

TEST(AnnotationsStreamTest, AFailedWriteFails) {
  test::LogCapture log;
  ReadOnlyFile file(MakeDump().bytes);
  EXPECT_FALSE(FixAnnotationsStreamPositions(&file, 7));
  EXPECT_TRUE(log.Has("ERROR: Can't write the annotations stream"));
}

}  // namespace
}  // namespace crashpad
