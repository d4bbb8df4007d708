// The HTTP transport over WinHTTP, synchronous.
//
// The body always goes out framed in chunks by ChunkedBodyFramer. In the
// product (BodySendMode::kChunked) the request declares no length and each
// chunk is written as it is read, so a large dump is never held whole. Wine 8
// hangs on a request of unknown length, so tests under Wine use
// BodySendMode::kFramedWithLength: the same framed chunks, collected first and
// announced with their total length (Wine then also sends that length as
// Content-Length beside "Transfer-Encoding: chunked"; the server still
// decodes the chunks). The mode is set only by code compiled into test builds
// (see ScopedCrashReporter); nothing outside the program can choose it.
#ifndef CRASH_HTTP_TRANSPORT_WIN_H_
#define CRASH_HTTP_TRANSPORT_WIN_H_

#include "crash/http_transport.h"

namespace crashpad {

class HttpTransportWin : public HttpTransport {
 public:
  bool ExecuteSynchronously(std::string* response_body) override;
};

// The user agent of this system: winhttp.dll's and kernel32.dll's versions
// and whether the process runs under WOW64.
std::string SystemUserAgent();

}  // namespace crashpad

#endif  // CRASH_HTTP_TRANSPORT_WIN_H_
