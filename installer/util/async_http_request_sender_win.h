// Fire-and-forget GET requests for statistics: callers queue a URL and return
// at once; one thread sends the queue in order and never reads an answer.
#ifndef INSTALLER_UTIL_ASYNC_HTTP_REQUEST_SENDER_WIN_H_
#define INSTALLER_UTIL_ASYNC_HTTP_REQUEST_SENDER_WIN_H_

#include <windows.h>

#include <deque>
#include <mutex>

#include "base/strings.h"
#include "base/win/scoped_handle_win.h"

namespace install_util {

class AsyncHttpRequestSender {
 public:
  AsyncHttpRequestSender();
  AsyncHttpRequestSender(const AsyncHttpRequestSender&) = delete;
  AsyncHttpRequestSender& operator=(const AsyncHttpRequestSender&) = delete;
  // Ends the thread after the URL in progress; queued URLs are dropped.
  virtual ~AsyncHttpRequestSender();

  // Queues |url|; false only when the sending thread cannot be started.
  virtual bool Send(const base::String16& url);
  // One request, given up as soon as it has been sent.
  virtual void SendUrl(const base::String16& url);

 protected:
  // Ends the thread after the URL in progress and drops the queue. A class
  // that overrides SendUrl calls it from its own destructor.
  void StopSending() { runner_.Shutdown(); }

 private:
  class TaskRunner {
   public:
    explicit TaskRunner(AsyncHttpRequestSender* sender);
    ~TaskRunner();
    bool InitializeThread();
    bool HasThread() const { return thread_.IsValid(); }
    void Post(const base::String16& url);
    void Shutdown();

   private:
    static DWORD WINAPI ThreadMain(void* self);
    void Run();

    AsyncHttpRequestSender* const sender_;
    base::win::ScopedHandle thread_;
    std::mutex lock_;
    base::win::ScopedHandle wake_event_;
    bool stop_ = false;
    std::deque<base::String16> queue_;
  };

  TaskRunner runner_;
};

}  // namespace install_util

#endif  // INSTALLER_UTIL_ASYNC_HTTP_REQUEST_SENDER_WIN_H_
