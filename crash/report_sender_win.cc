// The upload of a written dump: the multipart form with every annotation and
// the dump, gzip-compressed, to the crash-report service.
#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <wincrypt.h>

#include <memory>

#include "base/win/scoped_crypt_win.h"
#include "base/win/wide.h"
#include "crash/crash_reporter_impl_win.h"
#include "crash/file_io_win.h"
#include "crash/http_multipart_builder.h"
#include "crash/http_transport.h"
#include "crash/report_upload.h"
#include "logging/log_message.h"

namespace crashpad {

namespace {

#if defined(LITE_TEST_HOOKS)
// Wine cannot send a request of unknown length (see HttpTransportWin): test
// builds frame the same chunks but declare their total length.
constexpr BodySendMode kReportSendMode = BodySendMode::kFramedWithLength;
double g_upload_timeout = HttpTransport::kDefaultTimeoutSeconds;
#else
constexpr BodySendMode kReportSendMode = BodySendMode::kChunked;
constexpr double g_upload_timeout = HttpTransport::kDefaultTimeoutSeconds;
#endif

// Random 32-bit values from the system's cryptographic provider. Should the
// provider be unavailable, a mix of the clock, the ids and a counter keeps
// the boundary varied: it only has to be unlikely to occur in the dump.
class SystemRandom {
 public:
  SystemRandom() {
    if (!::CryptAcquireContextW(provider_.Receive(), nullptr, nullptr, PROV_RSA_FULL,
                                CRYPT_VERIFYCONTEXT | CRYPT_SILENT)) {
      PLOG(WARNING) << "CryptAcquireContext";
    }
  }
  uint32_t Next() {
    uint32_t value = 0;
    if (provider_.IsValid() &&
        ::CryptGenRandom(provider_.Get(), sizeof(value), reinterpret_cast<BYTE*>(&value))) {
      return value;
    }
    LARGE_INTEGER counter = {};
    ::QueryPerformanceCounter(&counter);
    fallback_ = fallback_ * 1664525u + 1013904223u + static_cast<uint32_t>(counter.QuadPart) +
                ::GetCurrentThreadId();
    return fallback_;
  }

 private:
  base::win::ScopedCryptProvider provider_;
  uint32_t fallback_ = ::GetTickCount() ^ ::GetCurrentProcessId();
};

}  // namespace

bool ScopedCrashReporter::Impl::SendReport() {
  FileReader dump;
  if (!dump.Open(dump_path_))
    return false;
  SystemRandom random;
  HttpMultipartBuilder builder([&random] { return random.Next(); }, gzip_enabled_);
  PopulateReportForm(annotations_, &dump, &builder);

  std::unique_ptr<HttpTransport> transport = HttpTransport::Create();
  HttpHeaders headers;
  builder.PopulateContentHeaders(&headers);
  for (const auto& [name, value] : headers)
    transport->SetHeader(name, value);
  transport->SetBodyStream(builder.GetBodyStream());
  transport->SetTimeout(g_upload_timeout);
  transport->SetBodySendMode(kReportSendMode);
  transport->SetUrl(ReportUploadUrl(annotations_));
  const bool sent = transport->ExecuteSynchronously(nullptr);
  transport.reset();
  dump.Close();
  if (sent && !::DeleteFileW(dump_path_.c_str()))
    PLOG(ERROR) << "DeleteFile " << base::win::FromWide(dump_path_.c_str());
  return sent;
}

#if defined(LITE_TEST_HOOKS)
void SetUploadTimeoutForTesting(double seconds) {
  g_upload_timeout = seconds;
}
#endif

}  // namespace crashpad
