// The platform-free part of a crash report's upload: the form it sends and
// the address it goes to.
#ifndef CRASH_REPORT_UPLOAD_H_
#define CRASH_REPORT_UPLOAD_H_

#include <string>
#include <string_view>

#include "crash/crash_annotations.h"
#include "crash/file_io.h"
#include "crash/http_multipart_builder.h"

namespace crashpad {

// The form field that carries the dump; an annotation of that name is not
// sent.
inline constexpr char kMinidumpFieldName[] = "upload_file_minidump";

// Every annotation as a form field, in key order, and the dump as the
// attachment named after the "uid" annotation.
void PopulateReportForm(const Annotations& annotations,
                        FileReaderInterface* dump,
                        HttpMultipartBuilder* builder);

// |base| + "/submit" with "product", "version" and "guid" from the
// annotations "prod", "ver" and "guid", each only when present.
std::string MakeReportUploadUrl(std::string_view base, const Annotations& annotations);

// The crash-report service's address for this build.
std::string ReportUploadUrl(const Annotations& annotations);

}  // namespace crashpad

#endif  // CRASH_REPORT_UPLOAD_H_
