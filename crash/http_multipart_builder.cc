#include "crash/http_multipart_builder.h"

#include <cstdio>
#include <vector>

#include "crash/http_body_gzip.h"

namespace crashpad {

namespace {

constexpr char kBoundaryAlphabet[] =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr uint32_t kAlphabetSize = sizeof(kBoundaryAlphabet) - 1;
constexpr size_t kBoundaryRandomCharacters = 32;
constexpr char kCrlf[] = "\r\n";

// A value below |bound| with every value equally likely: draws that would
// favour the low values are thrown away.
uint32_t UniformBelow(const RandomSource& random, uint32_t bound) {
  const uint32_t limit = UINT32_MAX - UINT32_MAX % bound;
  for (;;) {
    const uint32_t value = random();
    if (value < limit)
      return value % bound;
  }
}

std::string PartHeader(const std::string& boundary, const std::string& name) {
  return "--" + boundary + kCrlf + "Content-Disposition: form-data; name=\"" +
         EscapeMultipartName(name) + "\"";
}

}  // namespace

std::string MakeMultipartBoundary(const RandomSource& random) {
  std::string boundary = "---MultipartBoundary-";
  for (size_t i = 0; i < kBoundaryRandomCharacters; ++i)
    boundary += kBoundaryAlphabet[UniformBelow(random, kAlphabetSize)];
  boundary += "---";
  return boundary;
}

std::string EscapeMultipartName(std::string_view name) {
  std::string escaped;
  for (const char c : name) {
    if (c == '\r' || c == '\n' || c == '"' || c == '%') {
      char text[4];
      std::snprintf(text, sizeof(text), "%%%02x", static_cast<unsigned char>(c));
      escaped += text;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

HttpMultipartBuilder::HttpMultipartBuilder(const RandomSource& random, bool gzip_enabled)
    : boundary_(MakeMultipartBoundary(random)), gzip_enabled_(gzip_enabled) {}

void HttpMultipartBuilder::SetFormData(const std::string& name, const std::string& value) {
  attachments_.erase(name);
  form_data_[name] = value;
}

void HttpMultipartBuilder::SetFileAttachment(const std::string& name,
                                             const std::string& file_name,
                                             FileReaderInterface* reader,
                                             const std::string& content_type) {
  form_data_.erase(name);
  attachments_[name] = Attachment{file_name, content_type, reader};
}

std::unique_ptr<BodyStream> HttpMultipartBuilder::GetBodyStream() const {
  std::vector<std::unique_ptr<BodyStream>> parts;
  // Form fields are small: one string for all of them, and one for the text
  // around each attachment.
  std::string text;
  for (const auto& [name, value] : form_data_)
    text += PartHeader(boundary_, name) + kCrlf + kCrlf + value + kCrlf;
  for (const auto& [name, attachment] : attachments_) {
    text += PartHeader(boundary_, name) + "; filename=\"" +
            EscapeMultipartName(attachment.file_name) + "\"" + kCrlf +
            "Content-Type: " + attachment.content_type + kCrlf + kCrlf;
    parts.push_back(std::make_unique<StringBodyStream>(std::move(text)));
    text.clear();
    parts.push_back(std::make_unique<FileBodyStream>(attachment.reader));
    text = kCrlf;
  }
  text += "--" + boundary_ + "--" + kCrlf;
  parts.push_back(std::make_unique<StringBodyStream>(std::move(text)));

  auto body = std::make_unique<CompositeBodyStream>(std::move(parts));
  if (!gzip_enabled_)
    return body;
  return std::make_unique<GzipBodyStream>(std::move(body));
}

void HttpMultipartBuilder::PopulateContentHeaders(HttpHeaders* headers) const {
  (*headers)["Content-Type"] = "multipart/form-data; boundary=" + boundary_;
  if (gzip_enabled_)
    (*headers)["Content-Encoding"] = "gzip";
}

}  // namespace crashpad
