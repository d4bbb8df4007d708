#include "installer/util/downloader_win.h"

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <wininet.h>

#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "installer/util/guarded_call_win.h"
#include "installer/util/request_headers.h"
#include "installer/util/windows_version_win.h"
#include "logging/log_message.h"

namespace installer {

namespace {

constexpr wchar_t kUserAgent[] = L"Velnor.Browser lite installer";
constexpr DWORD kBufferSize = 32768;

// Wine's WinINet puts its own "Accept: */*" line on every request; a second
// one from us would be sent as well.
bool NetworkLibraryAddsAccept() {
  return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

struct OpenUrlCall {
  HINTERNET root;
  const base::String16* url;
  const base::String16* headers;
  DWORD_PTR context;
  HINTERNET result;
  DWORD error;
};

}  // namespace

base::String16 RequestHeadersForThisSystem() {
  const WindowsVersion version = GetWindowsVersion();
  return BuildRequestHeaders(version.major, version.minor, version.update_build,
                             NetworkLibraryAddsAccept());
}

void* GuardedOpenUrl(void* root,
                     const base::String16& url,
                     const base::String16& headers,
                     uintptr_t context,
                     DownloadErrorInfo* info,
                     uint32_t* error) {
  OpenUrlCall call{root, &url, &headers, context, nullptr, 0};
  GuardedCall(
      [](void* argument) {
        auto* c = static_cast<OpenUrlCall*>(argument);
        c->result =
            ::InternetOpenUrlW(c->root, base::win::AsWide(*c->url), base::win::AsWide(*c->headers),
                               static_cast<DWORD>(-1), INTERNET_FLAG_RELOAD, c->context);
        c->error = ::GetLastError();
      },
      &call, info);
  *error = call.error;
  return call.result;
}

bool FileDownloadWriter::Write(const uint8_t* bytes, uint32_t length) {
  DWORD written = 0;
  if (!::WriteFile(file_, bytes, length, &written, nullptr) || written != length)
    return false;
  size_ += length;
  return true;
}

void FileDownloadWriter::Reset() {
  ::SetFilePointer(file_, 0, nullptr, FILE_BEGIN);
  ::SetEndOfFile(file_);
  size_ = 0;
}

Downloader::Downloader(uint32_t receive_timeout_ms)
    : receive_timeout_ms_(receive_timeout_ms), buffer_(kBufferSize, 0) {}

Downloader::~Downloader() = default;

void Downloader::SetError(const char* step, DWORD error) {
  error_text_ = std::string(step) + std::to_string(error);
}

void CALLBACK
Downloader::StatusCallback(void* handle, DWORD_PTR context, DWORD status, void* info, DWORD) {
  struct Event {
    CallbackContext* context;
    DWORD status;
    void* info;
  } event{reinterpret_cast<CallbackContext*>(context), status, info};
  (void)handle;
  DownloadErrorInfo ignored;
  // Whatever goes wrong in here must not take the download down.
  GuardedCall(
      [](void* argument) {
        const Event& e = *static_cast<Event*>(argument);
        if (!e.context || !e.info)
          return;
        if (e.status == INTERNET_STATUS_REDIRECT) {
          *e.context->redirect_url =
              base::UTF16ToUTF8(base::win::FromWide(static_cast<const wchar_t*>(e.info)));
        } else if (e.status == INTERNET_STATUS_HANDLE_CREATED) {
          // Time-outs on the root handle are not honoured for requests made
          // through it; a stalled server must not hold the download forever.
          const auto* created = static_cast<const INTERNET_ASYNC_RESULT*>(e.info);
          DWORD timeout = e.context->receive_timeout_ms;
          ::InternetSetOptionW(reinterpret_cast<HINTERNET>(created->dwResult),
                               INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof(timeout));
        }
      },
      &event, &ignored);
}

bool Downloader::OpenDownload(const base::String16& url, DownloadWriter* writer) {
  url_.clear();
  error_text_.clear();
  redirect_url_.clear();
  content_length_ = 0;
  expected_status_ = 200;
  writer_ = nullptr;
  request_handle_.Reset();
  root_handle_.Reset();
  error_info_ = DownloadErrorInfo();

  root_handle_.Reset(
      ::InternetOpenW(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!root_handle_.Get()) {
    SetError("internet_open-", ::GetLastError());
    return false;
  }
  if (::InternetSetStatusCallbackW(root_handle_.Get(), StatusCallback) ==
      INTERNET_INVALID_STATUS_CALLBACK) {
    PLOG(ERROR) << "SetStatusCallback failed";
  }

  // A partly written sink continues where it stopped: the server is asked
  // for the rest with a range request.
  base::String16 headers = RequestHeadersForThisSystem();
  const uint32_t resume_from = writer->size();
  if (resume_from != 0)
    headers += u"\r\nRange: bytes=" + base::ASCIIToUTF16(std::to_string(resume_from)) + u"-";

  callback_context_ = {&redirect_url_, receive_timeout_ms_};
  uint32_t open_error = 0;
  void* request =
      GuardedOpenUrl(root_handle_.Get(), url, headers,
                     reinterpret_cast<uintptr_t>(&callback_context_), &error_info_, &open_error);
  if (error_info_.code != 0) {
    PLOG(ERROR) << "An attempt to open url " << url << " generated an exception "
                << error_info_.code;
    return false;
  }
  if (!request) {
    ::InternetSetStatusCallbackW(root_handle_.Get(), nullptr);
    SetError("internet_open_url-", open_error);
    return false;
  }
  request_handle_.Reset(request);
  writer_ = writer;

  if (resume_from != 0) {
    DWORD status = 0;
    uint64_t first = 0;
    uint64_t total = 0;
    const bool answered = QueryStatus(&status);
    if (answered && status == 206 &&
        ParseContentRange(GetResponseHeader("Content-Range"), &first, &total) &&
        first == resume_from && total <= UINT32_MAX) {
      expected_status_ = 206;
      content_length_ = static_cast<uint32_t>(total);
    } else if (answered && status == 200) {
      // The server sent the whole resource: start the sink over.
      writer->Reset();
    } else {
      writer->Reset();
      SetError("internet_set_file_pointer-", ERROR_INTERNET_INVALID_OPERATION);
    }
  }

  ::InternetSetStatusCallbackW(root_handle_.Get(), nullptr);
  url_ = base::UTF16ToUTF8(url);
  LOG(INFO) << "Connection established: " << url_;
  return true;
}

bool Downloader::QueryStatus(DWORD* status) {
  DWORD size = sizeof(*status);
  return ::HttpQueryInfoW(request_handle_.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER,
                          status, &size, nullptr) != FALSE;
}

uint32_t Downloader::ReadChunk() {
  if (!error_text_.empty())
    return 0;
  DWORD count = 0;
  if (!::InternetReadFile(request_handle_.Get(), buffer_.data(), kBufferSize, &count)) {
    SetError("internet_read-", ::GetLastError());
    return 0;
  }
  DWORD status = 0;
  if (QueryStatus(&status) && status != expected_status_)
    return 0;
  // A connection that ends before the announced length is a failed read, not
  // a finished download: the caller retries and resumes.
  if (count == 0 && content_length_ != 0 && writer_->size() < content_length_) {
    SetError("internet_read-", ERROR_INTERNET_CONNECTION_RESET);
    return 0;
  }
  if (count != 0 && !writer_->Write(buffer_.data(), count)) {
    if (writer_->LimitExceeded()) {
      LOG(ERROR) << "The answer of " << url_ << " exceeds its size limit";
      SetError("write_file-", ERROR_FILE_TOO_LARGE);
    } else {
      SetError("write_file-", ::GetLastError());
    }
    return 0;
  }
  if (content_length_ == 0) {
    DWORD length = 0;
    DWORD size = sizeof(length);
    if (::HttpQueryInfoW(request_handle_.Get(), HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER,
                         &length, &size, nullptr)) {
      content_length_ = length;
    }
  }
  return count;
}

bool Downloader::FinalizeDownload(int* status_out) {
  if (!error_text_.empty())
    return false;
  DWORD status = 0;
  const bool answered = QueryStatus(&status);
  const DWORD error = ::GetLastError();
  if (answered && status == expected_status_)
    return true;
  if (!answered)
    status = 0;
  error_text_ = "final_query_info-" + std::to_string(status) + "-" + std::to_string(error);
  LOG(WARNING) << "Unsuccessful download: " << url_;
  if (status_out)
    *status_out = static_cast<int>(status);
  return false;
}

std::string Downloader::GetResponseHeader(const std::string& name) {
  std::string buffer(name);
  buffer.push_back('\0');
  DWORD size = static_cast<DWORD>(buffer.size());
  if (!::HttpQueryInfoA(request_handle_.Get(), HTTP_QUERY_CUSTOM, buffer.data(), &size, nullptr)) {
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
      return std::string();
    buffer.assign(std::max<size_t>(size, name.size()) + 1, '\0');
    buffer.replace(0, name.size(), name);
    size = static_cast<DWORD>(buffer.size());
    if (!::HttpQueryInfoA(request_handle_.Get(), HTTP_QUERY_CUSTOM, buffer.data(), &size, nullptr))
      return std::string();
  }
  buffer.resize(size);
  return buffer;
}

bool Downloader::Drive(const std::string& url, DownloadWriter* writer, HANDLE stop_event) {
  if (!OpenDownload(base::ASCIIToUTF16(url), writer))
    return false;
  while (ReadChunk() != 0) {
    if (stop_event && ::WaitForSingleObject(stop_event, 0) == WAIT_OBJECT_0)
      return false;
  }
  if (stop_event && ::WaitForSingleObject(stop_event, 0) == WAIT_OBJECT_0)
    return false;
  return FinalizeDownload();
}

bool Downloader::DownloadToFile(const std::string& url,
                                const base::String16& target,
                                HANDLE stop_event) {
  wchar_t directory[MAX_PATH];
  wchar_t temp_file[MAX_PATH];
  const DWORD length = ::GetTempPathW(MAX_PATH, directory);
  if (length == 0 || length >= MAX_PATH || !::GetTempFileNameW(directory, L"lid", 0, temp_file))
    return false;
  bool result = false;
  {
    base::win::ScopedHandle file(::CreateFileW(temp_file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.IsValid()) {
      FileDownloadWriter writer(file.Get());
      result = Drive(url, &writer, stop_event);
    }
  }
  if (result) {
    result = ::MoveFileExW(temp_file, base::win::AsWide(target),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != FALSE;
  }
  ::DeleteFileW(temp_file);
  return result;
}

bool Downloader::DownloadToString(const std::string& url,
                                  HANDLE stop_event,
                                  uint32_t max_size,
                                  std::string* bytes) {
  StringDownloadWriter writer(max_size);
  if (!Drive(url, &writer, stop_event))
    return false;
  bytes->swap(writer.data());
  return true;
}

bool DownloadFile(const base::String16& url,
                  DownloadWriter* writer,
                  std::string* error_text,
                  std::string* redirect_url,
                  uint32_t* total_size,
                  HANDLE stop_event,
                  DownloadProgressDelegate* delegate,
                  DownloadErrorInfo* error_info,
                  uint32_t receive_timeout_ms) {
  Downloader downloader(receive_timeout_ms);
  bool result = false;
  if (!downloader.OpenDownload(url, writer)) {
    if (error_info)
      *error_info = downloader.error_info();
  } else {
    DownloadProgressTracker progress(delegate, ::GetTickCount());
    if (writer->size() == 0)
      progress.OnStart();
    for (;;) {
      if (stop_event && ::WaitForSingleObject(stop_event, 0) == WAIT_OBJECT_0)
        break;
      if (downloader.ReadChunk() == 0) {
        result = downloader.FinalizeDownload();
        if (result)
          progress.OnFinished();
        break;
      }
      progress.OnChunk(writer->size(), downloader.content_length(), ::GetTickCount());
    }
  }
  if (error_text)
    *error_text = downloader.error_text();
  if (redirect_url)
    *redirect_url = downloader.redirect_url();
  if (total_size)
    *total_size = downloader.content_length();
  return result;
}

}  // namespace installer
