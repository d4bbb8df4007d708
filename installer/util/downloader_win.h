// Fetches one HTTP(S) resource over WinINet into a sink, step by step, so
// that the caller can watch a stop event and report progress between steps;
// resumes a partly written sink with a range request.
#ifndef INSTALLER_UTIL_DOWNLOADER_WIN_H_
#define INSTALLER_UTIL_DOWNLOADER_WIN_H_

#include <windows.h>

#include <string>
#include <vector>

#include "base/strings.h"
#include "base/win/scoped_internet_win.h"
#include "installer/util/download_error_info.h"
#include "installer/util/download_writer.h"

namespace installer {

// How long a read may wait for the next bytes before the attempt fails.
constexpr uint32_t kDefaultReceiveTimeoutMs = 60000;

// The sink over an open file handle (not owned).
class FileDownloadWriter : public DownloadWriter {
 public:
  // |initial_size|: bytes the file already holds (the file pointer at its end).
  explicit FileDownloadWriter(HANDLE file, uint32_t initial_size = 0) : file_(file) {
    size_ = initial_size;
  }
  bool Write(const uint8_t* bytes, uint32_t length) override;
  void Reset() override;

 private:
  const HANDLE file_;
};

using base::win::ScopedInternetHandle;

class Downloader {
 public:
  explicit Downloader(uint32_t receive_timeout_ms = kDefaultReceiveTimeoutMs);
  Downloader(const Downloader&) = delete;
  Downloader& operator=(const Downloader&) = delete;
  virtual ~Downloader();

  // Downloads into a new temporary file and moves it onto |target|; a set
  // |stop_event| fails the download and leaves |target| untouched.
  virtual bool DownloadToFile(const std::string& url,
                              const base::String16& target,
                              HANDLE stop_event);
  // Downloads into |bytes|; an answer longer than |max_size| fails the
  // download with "write_file-223" (ERROR_FILE_TOO_LARGE).
  virtual bool DownloadToString(const std::string& url,
                                HANDLE stop_event,
                                uint32_t max_size,
                                std::string* bytes);

  virtual bool OpenDownload(const base::String16& url, DownloadWriter* writer);
  // Bytes read in this step; 0 when finished or failed.
  virtual uint32_t ReadChunk();
  virtual bool FinalizeDownload(int* status = nullptr);

  // The value of a response header; empty when absent.
  std::string GetResponseHeader(const std::string& name);

  const std::string& error_text() const { return error_text_; }
  const DownloadErrorInfo& error_info() const { return error_info_; }
  const std::string& redirect_url() const { return redirect_url_; }
  uint32_t content_length() const { return content_length_; }

 private:
  // What the status callback needs while the URL opens.
  struct CallbackContext {
    std::string* redirect_url;
    uint32_t receive_timeout_ms;
  };
  static void CALLBACK
  StatusCallback(void* handle, DWORD_PTR context, DWORD status, void* info, DWORD info_length);
  bool Drive(const std::string& url, DownloadWriter* writer, HANDLE stop_event);
  // The status of the answer; false when it cannot be queried.
  bool QueryStatus(DWORD* status);
  void SetError(const char* step, DWORD error);

  const uint32_t receive_timeout_ms_;
  std::string url_;
  std::string error_text_;
  DownloadErrorInfo error_info_;
  std::string redirect_url_;
  uint32_t content_length_ = 0;
  // 206 while continuing a partly written sink.
  DWORD expected_status_ = 200;
  DownloadWriter* writer_ = nullptr;
  CallbackContext callback_context_;
  ScopedInternetHandle root_handle_;
  ScopedInternetHandle request_handle_;
  std::vector<uint8_t> buffer_;
};

// The request headers of every request the installer makes on this system.
base::String16 RequestHeadersForThisSystem();

// InternetOpenUrlW with |headers| and INTERNET_FLAG_RELOAD, guarded against
// structured exceptions (recorded into |*info|). Returns the request handle
// or null; |*error| is the system error of a failed open.
void* GuardedOpenUrl(void* root,
                     const base::String16& url,
                     const base::String16& headers,
                     uintptr_t context,
                     DownloadErrorInfo* info,
                     uint32_t* error);

// Downloads |url| into |writer| with progress. Every out pointer may be null.
bool DownloadFile(const base::String16& url,
                  DownloadWriter* writer,
                  std::string* error_text,
                  std::string* redirect_url,
                  uint32_t* total_size,
                  HANDLE stop_event,
                  DownloadProgressDelegate* delegate,
                  DownloadErrorInfo* error_info,
                  uint32_t receive_timeout_ms = kDefaultReceiveTimeoutMs);

}  // namespace installer

#endif  // INSTALLER_UTIL_DOWNLOADER_WIN_H_
