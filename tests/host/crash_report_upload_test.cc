#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "crash/crash_annotations.h"
#include "crash/http_body.h"
#include "crash/http_multipart_builder.h"
#include "crash/report_upload.h"
#include "crash/string_file.h"
#include "installer/service_origins.h"
#include "tests/support/log_capture.h"

namespace crashpad {
namespace {

const Guid kClientId{0xA1B2C3D4, 0x0102, 0xF0E0, {0xFF, 0x00, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60}};

std::string Body(HttpMultipartBuilder* builder) {
  auto body = builder->GetBodyStream();
  std::string out;
  uint8_t buffer[512];
  for (int64_t count; (count = body->Read(buffer, sizeof(buffer))) > 0;)
    out.append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(count));
  return out;
}

TEST(ReportUploadTest, FormCarriesTheAnnotationsAndTheDump) {
  test::LogCapture log;
  Annotations annotations = InitialAnnotations(kClientId, Guid{}, true);
  annotations["upload_file_minidump"] = "planted";
  annotations["ptype"] = "installer";
  StringFile dump("DUMP");
  HttpMultipartBuilder builder([] { return 0u; }, false);
  PopulateReportForm(annotations, &dump, &builder);

  const std::string body = Body(&builder);
  const std::string b = builder.boundary();
  const std::string field = "--" + b + "\r\nContent-Disposition: form-data; name=\"";
  std::string expected;
  for (const char* key : {"gzip_enabled", "plat", "prod", "ptype", "report_id", "uid", "ver"})
    expected += field + key + "\"\r\n\r\n" + annotations[key] + "\r\n";
  expected += field +
              "upload_file_minidump\"; filename=\"A1B2C3D4-0102-F0E0-FF00-102030405060.dmp\"\r\n"
              "Content-Type: application/octet-stream\r\n\r\nDUMP\r\n--" +
              b + "--\r\n";
  EXPECT_EQ(body, expected);
  EXPECT_EQ(body.find("planted"), std::string::npos);
  EXPECT_EQ(log.Lines(),
            (std::vector<std::string>{
                "WARNING: reserved key upload_file_minidump, discarding value planted"}));
}

TEST(ReportUploadTest, UrlCarriesProductThenVersion) {
  const Annotations annotations = InitialAnnotations(Guid{}, Guid{}, true);
  EXPECT_EQ(MakeReportUploadUrl("https://crash.example", annotations),
            "https://crash.example/submit?product=Velnor&version=24.10.4.931");
  EXPECT_EQ(ReportUploadUrl(annotations),
            std::string(installer::kCrashReportOrigin) +
                "/submit?product=Velnor&version=" + installer::kInstallerVersion);
  EXPECT_EQ(MakeReportUploadUrl("https://crash.example", {}), "https://crash.example/submit");
}

TEST(ReportUploadTest, UrlQueryIsEscapedAndCut) {
  Annotations annotations{{"guid", "{AB}"}, {"prod", "A b/\xC3\xA9-_.~z"}};
  EXPECT_EQ(MakeReportUploadUrl("https://c.example/x?k=1", annotations),
            "https://c.example/x?k=1/submit&product=A%20b%2F%C3%A9-_.~z&guid=%7BAB%7D");
  EXPECT_EQ(MakeReportUploadUrl("https://c.example", annotations),
            "https://c.example/submit?product=A%20b%2F%C3%A9-_.~z&guid=%7BAB%7D");

  // 127 characters at most for "version=..." and never half an escape.
  annotations = {{"ver", std::string(200, 'v')}};
  EXPECT_EQ(MakeReportUploadUrl("h", annotations), "h/submit?version=" + std::string(119, 'v'));
  annotations = {{"ver", std::string(118, 'v') + " "}};
  EXPECT_EQ(MakeReportUploadUrl("h", annotations), "h/submit?version=" + std::string(118, 'v'));
  annotations = {{"ver", std::string(116, 'v') + " "}};
  EXPECT_EQ(MakeReportUploadUrl("h", annotations),
            "h/submit?version=" + std::string(116, 'v') + "%20");
}

}  // namespace
}  // namespace crashpad
