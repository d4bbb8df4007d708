#include "installer/util/async_http_request_sender_win.h"

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <wininet.h>

#include "base/win/scoped_internet_win.h"
#include "base/win/wide.h"
#include "installer/util/downloader_win.h"
#include "logging/log_message.h"

namespace install_util {

namespace {

constexpr wchar_t kUserAgent[] = L"Velnor.Browser installer";
constexpr DWORD kTimeoutMs = 2000;

void CALLBACK CloseWhenSent(HINTERNET handle, DWORD_PTR, DWORD status, void* info, DWORD) {
  if (status == INTERNET_STATUS_REQUEST_SENT) {
    base::win::InternetHandleTraits::Free(handle);
  } else if (status == INTERNET_STATUS_HANDLE_CREATED && info) {
    // Closing the request does not end an open call that waits for an answer,
    // and time-outs on the root handle do not reach the request: bound the
    // wait here, so that a server that never answers cannot hold the thread.
    const auto* created = static_cast<const INTERNET_ASYNC_RESULT*>(info);
    DWORD timeout = kTimeoutMs;
    ::InternetSetOptionW(reinterpret_cast<HINTERNET>(created->dwResult),
                         INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof(timeout));
  }
}

}  // namespace

AsyncHttpRequestSender::AsyncHttpRequestSender() : runner_(this) {}

AsyncHttpRequestSender::~AsyncHttpRequestSender() {
  StopSending();
}

bool AsyncHttpRequestSender::Send(const base::String16& url) {
  if (!runner_.HasThread() && !runner_.InitializeThread()) {
    PLOG(ERROR) << "Failed to create thread for async http requests";
    return false;
  }
  runner_.Post(url);
  return true;
}

void AsyncHttpRequestSender::SendUrl(const base::String16& url) {
  installer::ScopedInternetHandle root;
  root.Reset(::InternetOpenW(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!root.Get()) {
    PLOG(ERROR) << "Failed to open session for " << url;
    return;
  }
  ::InternetSetStatusCallbackW(root.Get(), CloseWhenSent);
  DWORD timeout = kTimeoutMs;
  if (!::InternetSetOptionW(root.Get(), INTERNET_OPTION_CONNECT_TIMEOUT, &timeout,
                            sizeof(timeout)) ||
      !::InternetSetOptionW(root.Get(), INTERNET_OPTION_SEND_TIMEOUT, &timeout, sizeof(timeout))) {
    PLOG(ERROR) << "Failed to set internet options for " << url;
    return;
  }
  const base::String16 headers = installer::RequestHeadersForThisSystem();
  installer::DownloadErrorInfo error_info;
  uint32_t error = 0;
  void* request = installer::GuardedOpenUrl(root.Get(), url, headers, 1, &error_info, &error);
  if (error_info.code != 0) {
    PLOG(ERROR) << "An attempt to open url " << url << " generated an exception "
                << error_info.code;
  } else if (!request && error != ERROR_INTERNET_OPERATION_CANCELLED) {
    ::SetLastError(error);
    PLOG(ERROR) << "Failed to open " << url;
  }
  // Closing the session also releases a request that is still open.
}

AsyncHttpRequestSender::TaskRunner::TaskRunner(AsyncHttpRequestSender* sender)
    : sender_(sender), wake_event_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

AsyncHttpRequestSender::TaskRunner::~TaskRunner() {
  Shutdown();
}

bool AsyncHttpRequestSender::TaskRunner::InitializeThread() {
  thread_.Reset(::CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr));
  return thread_.IsValid();
}

void AsyncHttpRequestSender::TaskRunner::Post(const base::String16& url) {
  std::lock_guard<std::mutex> hold(lock_);
  queue_.push_back(url);
  ::SetEvent(wake_event_.Get());
}

void AsyncHttpRequestSender::TaskRunner::Shutdown() {
  if (thread_.IsValid()) {
    {
      std::lock_guard<std::mutex> hold(lock_);
      stop_ = true;
    }
    ::SetEvent(wake_event_.Get());
    ::WaitForSingleObject(thread_.Get(), INFINITE);
    thread_.Reset();
  }
  queue_.clear();
}

DWORD WINAPI AsyncHttpRequestSender::TaskRunner::ThreadMain(void* self) {
  static_cast<TaskRunner*>(self)->Run();
  return 0;
}

void AsyncHttpRequestSender::TaskRunner::Run() {
  for (;;) {
    ::WaitForSingleObject(wake_event_.Get(), INFINITE);
    for (;;) {
      base::String16 url;
      {
        std::lock_guard<std::mutex> hold(lock_);
        if (stop_)
          return;
        if (queue_.empty())
          break;
        url = std::move(queue_.front());
        queue_.pop_front();
      }
      sender_->SendUrl(url);
    }
  }
}

}  // namespace install_util
