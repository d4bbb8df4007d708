// A synchronous HTTP request: method, address, headers, a body pulled from a
// stream, a time-out. The crash upload is its one user.
#ifndef CRASH_HTTP_TRANSPORT_H_
#define CRASH_HTTP_TRANSPORT_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "crash/http_body.h"
#include "crash/http_multipart_builder.h"

namespace crashpad {

// How the body goes out. The product always streams it in chunks; the other
// mode frames the same chunks but collects them first and declares their
// total length, because Wine cannot send a request of unknown length (see
// HttpTransportWin).
enum class BodySendMode {
  kChunked,
  kFramedWithLength,
};

class HttpTransport {
 public:
  static constexpr double kDefaultTimeoutSeconds = 60.0;

  virtual ~HttpTransport() = default;

  // The platform's transport.
  static std::unique_ptr<HttpTransport> Create();

  void SetMethod(const std::string& method) { method_ = method; }
  void SetUrl(const std::string& url) { url_ = url; }
  // Replaces an earlier value of |name|.
  void SetHeader(const std::string& name, const std::string& value) { headers_[name] = value; }
  void SetBodyStream(std::unique_ptr<BodyStream> body) { body_ = std::move(body); }
  void SetTimeout(double seconds) { timeout_ = seconds; }
  void SetBodySendMode(BodySendMode mode) { send_mode_ = mode; }

  // Sends the request and reads the whole answer; true only for status 200.
  // The answer's body goes to |response_body| when given. Failures are
  // logged.
  virtual bool ExecuteSynchronously(std::string* response_body) = 0;

 protected:
  std::string method_ = "POST";
  std::string url_;
  HttpHeaders headers_;
  std::unique_ptr<BodyStream> body_;
  double timeout_ = kDefaultTimeoutSeconds;
  BodySendMode send_mode_ = BodySendMode::kChunked;
};

// What the user agent says about the system, each part only when known.
struct UserAgentFacts {
  // The HTTP library's file version, most significant word first.
  std::optional<uint64_t> http_library_version;
  // The kernel's product version when its version resource marks a Windows
  // NT 32-bit system.
  std::optional<uint64_t> nt_kernel_version;
  bool wow64 = false;
};

// "Crashpad/0.8.0 WinHTTP[/a.b.c.d][ Windows_NT/a.b.c.d (x86[; WoW64])]".
std::string MakeUserAgent(const UserAgentFacts& facts);

// "<call>: <message> (0x<code>)", the message without trailing white space.
std::string TransportErrorText(std::string_view call, std::string_view message, uint32_t code);

// "<call>: error 0x<lookup error> while retrieving error 0x<code>".
std::string TransportLookupErrorText(std::string_view call, uint32_t lookup_error, uint32_t code);

}  // namespace crashpad

#endif  // CRASH_HTTP_TRANSPORT_H_
