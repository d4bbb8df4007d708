// The sink of a download, and the progress callbacks its driver makes.
#ifndef INSTALLER_UTIL_DOWNLOAD_WRITER_H_
#define INSTALLER_UTIL_DOWNLOAD_WRITER_H_

#include <cstdint>
#include <string>

namespace installer {

class DownloadWriter {
 public:
  virtual ~DownloadWriter() = default;
  // Appends; on complete success the size grows by |length|.
  virtual bool Write(const uint8_t* bytes, uint32_t length) = 0;
  // Discards everything written.
  virtual void Reset() = 0;
  uint32_t size() const { return size_; }

 protected:
  uint32_t size_ = 0;
};

class StringDownloadWriter : public DownloadWriter {
 public:
  bool Write(const uint8_t* bytes, uint32_t length) override;
  void Reset() override;
  std::string& data() { return data_; }

 private:
  std::string data_;
};

class DownloadProgressDelegate {
 public:
  enum TimeLeftKind { kNoEstimate = 0, kEstimate = 1, kFinished = 2 };
  virtual ~DownloadProgressDelegate() = default;
  virtual void OnProgress(float fraction) = 0;
  virtual void OnSlowDownload() = 0;
  virtual void OnTimeLeft(int seconds, int kind) = 0;
};

// The progress a download driver reports: the fraction after every chunk
// once the length is known, and a time estimate at most once a minute.
class DownloadProgressTracker {
 public:
  // |delegate| may be null. Times are milliseconds of a tick counter.
  DownloadProgressTracker(DownloadProgressDelegate* delegate, uint32_t start_ms);

  // Before the first chunk of a download that starts from nothing.
  void OnStart();
  void OnChunk(uint32_t written, uint32_t content_length, uint32_t now_ms);
  void OnFinished();

 private:
  DownloadProgressDelegate* const delegate_;
  const uint32_t start_ms_;
  uint32_t last_estimate_ms_ = 0;
};

}  // namespace installer

#endif  // INSTALLER_UTIL_DOWNLOAD_WRITER_H_
