#include "crash/http_transport_win.h"

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <winhttp.h>

#include <memory>
#include <vector>

#include "base/strings.h"
#include "base/win/scoped_winhttp_win.h"
#include "base/win/system_function_win.h"
#include "base/win/wide.h"
#include "crash/chunked_body.h"
#include "logging/log_message.h"

namespace crashpad {

namespace {

constexpr char kSource[] = "http_transport_win";
constexpr DWORD kResponseReadSize = 4096;

std::wstring ToWide(std::string_view utf8) {
  const base::String16 wide = base::UTF8ToUTF16(utf8);
  return std::wstring(wide.begin(), wide.end());
}

// The error text of a failed WinHTTP call, from winhttp.dll's message table
// or the system's.
std::string WinHttpErrorText(const char* call, DWORD code) {
  wchar_t* message = nullptr;
  const DWORD length =
      ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE |
                           FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       ::GetModuleHandleW(L"winhttp.dll"), code, 0,
                       reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  if (length == 0 || !message)
    return TransportLookupErrorText(call, ::GetLastError(), code);
  const std::string text =
      TransportErrorText(call, base::UTF16ToUTF8(base::win::FromWide(message, length)), code);
  ::LocalFree(message);
  return text;
}

void LogWinHttpError(const char* call) {
  const DWORD code = ::GetLastError();
  LOG_AT(ERROR, kSource) << WinHttpErrorText(call, code);
}

void CloseLogged(base::win::ScopedWinHttpHandle* handle) {
  if (!handle->Close())
    LogWinHttpError("WinHttpCloseHandle");
}

// The request's handles, closed innermost first whichever way it ends.
struct RequestHandles {
  base::win::ScopedWinHttpHandle session;
  base::win::ScopedWinHttpHandle connection;
  base::win::ScopedWinHttpHandle request;
  ~RequestHandles() {
    CloseLogged(&request);
    CloseLogged(&connection);
    CloseLogged(&session);
  }
};

struct FixedFileInfo {
  bool found = false;
  VS_FIXEDFILEINFO info{};
};

FixedFileInfo ReadFixedFileInfo(const std::wstring& path) {
  FixedFileInfo result;
  DWORD handle = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &handle);
  if (size == 0)
    return result;
  std::vector<char> data(size);
  if (!::GetFileVersionInfoW(path.c_str(), 0, size, data.data()))
    return result;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT info_size = 0;
  if (!::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &info_size) || !info ||
      info_size < sizeof(VS_FIXEDFILEINFO))
    return result;
  result.found = true;
  result.info = *info;
  return result;
}

std::wstring SystemFilePath(const wchar_t* name) {
  wchar_t directory[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(directory, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return name;
  std::wstring path(directory, length);
  if (path.back() != L'\\')
    path += L'\\';
  return path + name;
}

bool IsWow64() {
  using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
  const auto is_wow64_process =
      base::win::GetSystemFunction<IsWow64ProcessFunction>(L"kernel32.dll", "IsWow64Process");
  if (!is_wow64_process)
    return false;
  BOOL wow64 = FALSE;
  if (!is_wow64_process(::GetCurrentProcess(), &wow64)) {
    PLOG_AT(WARNING, kSource) << "IsWow64Process";
    return false;
  }
  return wow64 != FALSE;
}

uint64_t Version(DWORD most_significant, DWORD least_significant) {
  return (static_cast<uint64_t>(most_significant) << 32) | least_significant;
}

// One chunk with one write: its header, data and trailer.
bool WriteChunk(HINTERNET request, std::string_view chunk) {
  DWORD written = 0;
  if (!::WinHttpWriteData(request, chunk.data(), static_cast<DWORD>(chunk.size()), &written)) {
    LogWinHttpError("WinHttpWriteData");
    return false;
  }
  if (written != chunk.size()) {
    LOG_AT(ERROR, kSource) << "WinHttpWriteData: wrote " << static_cast<uint32_t>(written) << " of "
                           << chunk.size() << " bytes";
    return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<HttpTransport> HttpTransport::Create() {
  return std::make_unique<HttpTransportWin>();
}

std::string SystemUserAgent() {
  UserAgentFacts facts;
  const FixedFileInfo http = ReadFixedFileInfo(SystemFilePath(L"winhttp.dll"));
  if (http.found)
    facts.http_library_version = Version(http.info.dwFileVersionMS, http.info.dwFileVersionLS);
  const FixedFileInfo kernel = ReadFixedFileInfo(SystemFilePath(L"kernel32.dll"));
  if (kernel.found && (kernel.info.dwFileOS & VOS_NT_WINDOWS32) == VOS_NT_WINDOWS32) {
    facts.nt_kernel_version =
        Version(kernel.info.dwProductVersionMS, kernel.info.dwProductVersionLS);
    facts.wow64 = IsWow64();
  }
  return MakeUserAgent(facts);
}

bool HttpTransportWin::ExecuteSynchronously(std::string* response_body) {
  RequestHandles handles;
  const std::wstring user_agent = ToWide(SystemUserAgent());
  handles.session.Reset(::WinHttpOpen(user_agent.c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                      WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  if (!handles.session.IsValid()) {
    LogWinHttpError("WinHttpOpen");
    return false;
  }
  const int timeout_ms = static_cast<int>(timeout_ * 1000);
  if (!::WinHttpSetTimeouts(handles.session.Get(), timeout_ms, timeout_ms, timeout_ms,
                            timeout_ms)) {
    LogWinHttpError("WinHttpSetTimeouts");
    return false;
  }

  const std::wstring url = ToWide(url_);
  URL_COMPONENTS parts = {};
  parts.dwStructSize = sizeof(parts);
  parts.dwSchemeLength = static_cast<DWORD>(-1);
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!::WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) {
    LogWinHttpError("WinHttpCrackUrl");
    return false;
  }
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path_and_query(parts.lpszUrlPath, parts.dwUrlPathLength);
  if (parts.lpszExtraInfo)
    path_and_query.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);

  handles.connection.Reset(::WinHttpConnect(handles.session.Get(), host.c_str(), parts.nPort, 0));
  if (!handles.connection.IsValid()) {
    LogWinHttpError("WinHttpConnect");
    return false;
  }
  const std::wstring method = ToWide(method_);
  handles.request.Reset(
      ::WinHttpOpenRequest(handles.connection.Get(), method.c_str(), path_and_query.c_str(),
                           nullptr, WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                           parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
  if (!handles.request.IsValid()) {
    LogWinHttpError("WinHttpOpenRequest");
    return false;
  }
  HINTERNET request = handles.request.Get();
  // The wait for the answer's headers has a limit of its own; Wine's is
  // infinite unless set, so a server that never answers would hold the
  // crashing process for good. It gets the same time-out as the rest.
  DWORD response_timeout_ms = static_cast<DWORD>(timeout_ms);
  if (!::WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &response_timeout_ms,
                          sizeof(response_timeout_ms))) {
    LOG_AT(WARNING, kSource) << WinHttpErrorText("WinHttpSetOption", ::GetLastError());
  }

  for (const auto& [name, value] : headers_) {
    const std::wstring line = ToWide(name + ": " + value + "\r\n");
    if (!::WinHttpAddRequestHeaders(request, line.c_str(), static_cast<DWORD>(-1),
                                    WINHTTP_ADDREQ_FLAG_ADD)) {
      LogWinHttpError("WinHttpAddRequestHeaders");
      return false;
    }
  }
  if (!::WinHttpAddRequestHeaders(request, L"Transfer-Encoding: chunked\r\n",
                                  static_cast<DWORD>(-1), WINHTTP_ADDREQ_FLAG_ADD)) {
    LogWinHttpError("WinHttpAddRequestHeaders");
    return false;
  }

  StringBodyStream empty_body{std::string()};
  ChunkedBodyFramer framer(body_ ? body_.get() : &empty_body);
  if (send_mode_ == BodySendMode::kChunked) {
    if (!::WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0,
                              WINHTTP_IGNORE_REQUEST_TOTAL_LENGTH, 0)) {
      LogWinHttpError("WinHttpSendRequest");
      return false;
    }
    for (;;) {
      const ChunkedBodyFramer::Chunk chunk = framer.Next();
      if (chunk.status == ChunkedBodyFramer::Status::kDone)
        break;
      if (chunk.status == ChunkedBodyFramer::Status::kError) {
        LOG_AT(ERROR, kSource) << "reading the request body failed";
        return false;
      }
      if (!WriteChunk(request, chunk.bytes))
        return false;
    }
  } else {
    std::vector<std::string> chunks;
    size_t total = 0;
    for (;;) {
      const ChunkedBodyFramer::Chunk chunk = framer.Next();
      if (chunk.status == ChunkedBodyFramer::Status::kDone)
        break;
      if (chunk.status == ChunkedBodyFramer::Status::kError) {
        LOG_AT(ERROR, kSource) << "reading the request body failed";
        return false;
      }
      chunks.emplace_back(chunk.bytes);
      total += chunk.bytes.size();
    }
    if (!::WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0,
                              static_cast<DWORD>(total), 0)) {
      LogWinHttpError("WinHttpSendRequest");
      return false;
    }
    for (const std::string& chunk : chunks) {
      if (!WriteChunk(request, chunk))
        return false;
    }
  }

  if (!::WinHttpReceiveResponse(request, nullptr)) {
    LogWinHttpError("WinHttpReceiveResponse");
    return false;
  }
  DWORD status = 0;
  DWORD status_size = sizeof(status);
  if (!::WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &status_size,
                             WINHTTP_NO_HEADER_INDEX)) {
    LogWinHttpError("WinHttpQueryHeaders");
    return false;
  }
  if (status != 200) {
    LOG_AT(ERROR, kSource) << "HTTP status " << static_cast<uint32_t>(status);
    return false;
  }

  char buffer[kResponseReadSize];
  for (;;) {
    DWORD read = 0;
    if (!::WinHttpReadData(request, buffer, sizeof(buffer), &read)) {
      LogWinHttpError("WinHttpReadData");
      return false;
    }
    if (read == 0)
      break;
    if (response_body)
      response_body->append(buffer, read);
  }
  return true;
}

}  // namespace crashpad
