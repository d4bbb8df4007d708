// A multipart/form-data request body: ordered form fields, then ordered file
// attachments, optionally compressed with gzip.
#ifndef CRASH_HTTP_MULTIPART_BUILDER_H_
#define CRASH_HTTP_MULTIPART_BUILDER_H_

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "crash/file_io.h"
#include "crash/http_body.h"

namespace crashpad {

// Header name -> value, ordered by name.
using HttpHeaders = std::map<std::string, std::string>;

// 32 uniformly random bits per call.
using RandomSource = std::function<uint32_t()>;

// "---MultipartBoundary-", 32 characters drawn uniformly from [0-9A-Za-z],
// "---": 56 characters.
std::string MakeMultipartBoundary(const RandomSource& random);

// Carriage return, line feed, double quote and percent sign become "%" and
// two lower-case hexadecimal digits; all other bytes stay.
std::string EscapeMultipartName(std::string_view name);

class HttpMultipartBuilder {
 public:
  HttpMultipartBuilder(const RandomSource& random, bool gzip_enabled);
  HttpMultipartBuilder(const HttpMultipartBuilder&) = delete;
  HttpMultipartBuilder& operator=(const HttpMultipartBuilder&) = delete;

  // Each replaces a field or attachment of the same name, of either kind.
  void SetFormData(const std::string& name, const std::string& value);
  // |reader| is borrowed: it must stay open until the body has been read.
  void SetFileAttachment(const std::string& name,
                         const std::string& file_name,
                         FileReaderInterface* reader,
                         const std::string& content_type);

  // The whole body, compressed when gzip is enabled. The attachments'
  // readers are read once, from their current position.
  std::unique_ptr<BodyStream> GetBodyStream() const;
  // "Content-Type" with the boundary and, with gzip, "Content-Encoding". No
  // "Content-Length": the body goes out in chunks.
  void PopulateContentHeaders(HttpHeaders* headers) const;

  const std::string& boundary() const { return boundary_; }

 private:
  struct Attachment {
    std::string file_name;
    std::string content_type;
    FileReaderInterface* reader;
  };

  const std::string boundary_;
  const bool gzip_enabled_;
  std::map<std::string, std::string> form_data_;
  std::map<std::string, Attachment> attachments_;
};

}  // namespace crashpad

#endif  // CRASH_HTTP_MULTIPART_BUILDER_H_
