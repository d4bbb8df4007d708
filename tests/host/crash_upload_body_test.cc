#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "crash/chunked_body.h"
#include "crash/http_body.h"
#include "crash/http_body_gzip.h"
#include "crash/http_multipart_builder.h"
#include "crash/string_file.h"
#include "tests/support/log_capture.h"

namespace crashpad {
namespace {

using namespace std::string_literals;

// Counts up from |first|: boundary characters "0123...".
RandomSource Counter(uint32_t first = 0) {
  return [next = first]() mutable { return next++; };
}

std::string ReadAll(BodyStream* body, size_t block = 1000) {
  std::string out;
  std::vector<uint8_t> buffer(block);
  for (;;) {
    const int64_t count = body->Read(buffer.data(), buffer.size());
    EXPECT_GE(count, 0);
    if (count <= 0)
      return out;
    out.append(reinterpret_cast<const char*>(buffer.data()), static_cast<size_t>(count));
  }
}

std::string Gunzip(const std::string& compressed) {
  z_stream stream{};
  EXPECT_EQ(inflateInit2(&stream, 16 + 15), Z_OK);
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  stream.avail_in = static_cast<uInt>(compressed.size());
  std::string out;
  int result = Z_OK;
  while (result == Z_OK) {
    char buffer[8192];
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof(buffer);
    result = inflate(&stream, Z_NO_FLUSH);
    out.append(buffer, sizeof(buffer) - stream.avail_out);
  }
  EXPECT_EQ(result, Z_STREAM_END);
  EXPECT_EQ(stream.avail_in, 0u);  // nothing after the gzip trailer
  inflateEnd(&stream);
  return out;
}

// Serves |bytes| and records the largest block asked for.
class RecordingStream : public BodyStream {
 public:
  explicit RecordingStream(std::string bytes, size_t* largest)
      : bytes_(std::move(bytes)), largest_(largest) {}
  int64_t Read(uint8_t* buffer, size_t max_size) override {
    *largest_ = std::max(*largest_, max_size);
    const size_t count = std::min(max_size, bytes_.size() - position_);
    std::copy_n(bytes_.data() + position_, count, buffer);
    position_ += count;
    return static_cast<int64_t>(count);
  }

 private:
  std::string bytes_;
  size_t position_ = 0;
  size_t* largest_;
};

class FailingStream : public BodyStream {
 public:
  int64_t Read(uint8_t*, size_t) override { return -1; }
};

TEST(MultipartBuilderTest, BoundaryIsUniformOverItsAlphabet) {
  const std::string boundary = MakeMultipartBoundary(Counter());
  EXPECT_EQ(boundary, "---MultipartBoundary-0123456789ABCDEFGHIJKLMNOPQRSTUV---");
  EXPECT_EQ(boundary.size(), 56u);
  // 62 characters: draws from the last incomplete round of 62 in 32 bits are
  // thrown away, then 61 is the last character and 62 wraps to the first.
  std::vector<uint32_t> draws = {0xFFFFFFFF, 0xFFFFFFFC, 61, 62};
  draws.resize(34, 0);
  RandomSource scripted = [&draws, i = size_t{0}]() mutable { return draws.at(i++); };
  EXPECT_EQ(MakeMultipartBoundary(scripted).substr(21, 3), "z00");
  EXPECT_EQ(MakeMultipartBoundary(Counter(0xFFFFFFFA)).substr(21, 3), "yz0");
}

TEST(MultipartBuilderTest, NamesAreEscaped) {
  EXPECT_EQ(EscapeMultipartName("a\r\nb\"c%d\x01\xFF"), "a%0d%0ab%22c%25d\x01\xFF");
}

TEST(MultipartBuilderTest, BodyIsExactAndFieldsReplaceAttachments) {
  StringFile dump("MDMP\r\n\0dump"s);
  HttpMultipartBuilder builder(Counter(), false);
  builder.SetFormData("ver", "24.10.4.931");
  builder.SetFormData("na\"me", "old");
  builder.SetFormData("na\"me", "line\r\nbreak");
  builder.SetFileAttachment("ver", "unused.dmp", &dump, "text/plain");  // replaces the field
  builder.SetFormData("ver", "1");                                      // and back
  builder.SetFileAttachment("upload_file_minidump", "A\"B.dmp", &dump, "application/octet-stream");

  const std::string b = "---MultipartBoundary-0123456789ABCDEFGHIJKLMNOPQRSTUV---";
  const std::string expected =
      "--" + b + "\r\nContent-Disposition: form-data; name=\"na%22me\"\r\n\r\nline\r\nbreak\r\n" +
      "--" + b + "\r\nContent-Disposition: form-data; name=\"ver\"\r\n\r\n1\r\n" + "--" + b +
      "\r\nContent-Disposition: form-data; name=\"upload_file_minidump\"; "
      "filename=\"A%22B.dmp\"\r\nContent-Type: application/octet-stream\r\n\r\n" +
      "MDMP\r\n\0dump"s + "\r\n" + "--" + b + "--\r\n";
  EXPECT_EQ(ReadAll(builder.GetBodyStream().get(), 7), expected);

  HttpHeaders headers;
  builder.PopulateContentHeaders(&headers);
  EXPECT_EQ(headers, (HttpHeaders{{"Content-Type", "multipart/form-data; boundary=" + b}}));
}

TEST(MultipartBuilderTest, GzipBodyInflatesToThePlainBody) {
  StringFile plain_dump(std::string(10000, 'd'));
  StringFile gzip_dump(std::string(10000, 'd'));
  HttpMultipartBuilder plain(Counter(), false);
  HttpMultipartBuilder gzip(Counter(), true);
  plain.SetFormData("uid", "X");
  gzip.SetFormData("uid", "X");
  plain.SetFileAttachment("f", "X.dmp", &plain_dump, "application/octet-stream");
  gzip.SetFileAttachment("f", "X.dmp", &gzip_dump, "application/octet-stream");
  EXPECT_EQ(Gunzip(ReadAll(gzip.GetBodyStream().get())), ReadAll(plain.GetBodyStream().get()));

  HttpHeaders headers;
  gzip.PopulateContentHeaders(&headers);
  EXPECT_EQ(headers["Content-Encoding"], "gzip");
  EXPECT_EQ(headers.size(), 2u);
}

TEST(BodyStreamTest, CompositeServesItsPartsAndStopsAtAnError) {
  std::vector<std::unique_ptr<BodyStream>> parts;
  parts.push_back(std::make_unique<StringBodyStream>("ab"));
  parts.push_back(std::make_unique<StringBodyStream>(""));
  parts.push_back(std::make_unique<StringBodyStream>("cde"));
  CompositeBodyStream composite(std::move(parts));
  EXPECT_EQ(ReadAll(&composite, 2), "abcde");
  EXPECT_EQ(ReadAll(&composite), "");

  std::vector<std::unique_ptr<BodyStream>> failing;
  failing.push_back(std::make_unique<StringBodyStream>("ab"));
  failing.push_back(std::make_unique<FailingStream>());
  CompositeBodyStream broken(std::move(failing));
  uint8_t buffer[8];
  EXPECT_EQ(broken.Read(buffer, sizeof(buffer)), 2);
  EXPECT_EQ(broken.Read(buffer, sizeof(buffer)), -1);
}

TEST(GzipBodyTest, RoundTripsThroughZlibInSourceBlocks) {
  std::string mebibyte(1 << 20, '\0');
  uint32_t state = 12345;  // incompressible enough to need many output reads
  for (char& c : mebibyte) {
    state = state * 1103515245 + 12345;
    c = static_cast<char>(state >> 24);
  }
  for (const std::string& input : {std::string(), std::string("x"), mebibyte}) {
    size_t largest = 0;
    GzipBodyStream gzip(std::make_unique<RecordingStream>(input, &largest));
    const std::string compressed = ReadAll(&gzip, input.size() > 1 ? 32768 : 1);
    ASSERT_GE(compressed.size(), 18u);
    EXPECT_EQ(compressed.substr(0, 3), "\x1F\x8B\x08");
    EXPECT_EQ(Gunzip(compressed), input);
    EXPECT_EQ(largest, GzipBodyStream::kSourceBlockSize);
    uint8_t byte;
    EXPECT_EQ(gzip.Read(&byte, 1), 0);  // the end stays the end
  }
}

TEST(GzipBodyTest, ASourceErrorFailsEveryRead) {
  GzipBodyStream gzip(std::make_unique<FailingStream>());
  uint8_t buffer[64];
  EXPECT_EQ(gzip.Read(buffer, sizeof(buffer)), -1);
  EXPECT_EQ(gzip.Read(buffer, sizeof(buffer)), -1);
  // Abandoned half-way: freed without complaint.
  GzipBodyStream abandoned(std::make_unique<StringBodyStream>(std::string(100000, 'a')));
  EXPECT_GT(abandoned.Read(buffer, 1), 0);
}

std::vector<std::string> Chunks(BodyStream* body) {
  ChunkedBodyFramer framer(body);
  std::vector<std::string> chunks;
  for (;;) {
    const auto chunk = framer.Next();
    if (chunk.status != ChunkedBodyFramer::Status::kChunk) {
      EXPECT_EQ(chunk.status, ChunkedBodyFramer::Status::kDone);
      EXPECT_EQ(framer.Next().status, ChunkedBodyFramer::Status::kDone);
      return chunks;
    }
    chunks.emplace_back(chunk.bytes);
  }
}

TEST(ChunkedBodyTest, FramesEachReadAndEndsWithTheFinalChunk) {
  StringBodyStream empty("");
  EXPECT_EQ(Chunks(&empty), (std::vector<std::string>{"00000000\r\n\r\n"}));
  EXPECT_EQ(std::string("00000000\r\n\r\n").size(), 12u);

  StringBodyStream hello("hello");
  EXPECT_EQ(Chunks(&hello),
            (std::vector<std::string>{"00000005\r\nhello\r\n", "00000000\r\n\r\n"}));

  const std::string large(70000, 'z');
  StringBodyStream body(large);
  const auto chunks = Chunks(&body);
  ASSERT_EQ(chunks.size(), 4u);
  EXPECT_EQ(chunks[0], "00008000\r\n" + large.substr(0, 32768) + "\r\n");
  EXPECT_EQ(chunks[1], chunks[0]);
  EXPECT_EQ(chunks[2], "00001170\r\n" + large.substr(0, 4464) + "\r\n");
  EXPECT_EQ(chunks[3], "00000000\r\n\r\n");
}

TEST(ChunkedBodyTest, ABodyErrorEndsTheRequest) {
  FailingStream failing;
  ChunkedBodyFramer framer(&failing);
  EXPECT_EQ(framer.Next().status, ChunkedBodyFramer::Status::kError);
  EXPECT_EQ(framer.Next().status, ChunkedBodyFramer::Status::kError);
  EXPECT_TRUE(framer.Next().bytes.empty());
}

}  // namespace
}  // namespace crashpad
