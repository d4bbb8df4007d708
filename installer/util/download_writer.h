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
  // Whether the last failed Write would have passed the sink's size limit.
  virtual bool LimitExceeded() const { return false; }
  uint32_t size() const { return size_; }

 protected:
  uint32_t size_ = 0;
};

// Keeps the answer in memory, up to |max_size| bytes: a write past it fails
// and leaves what was written, so that a huge or endless answer ends the
// download instead of the process.
class StringDownloadWriter : public DownloadWriter {
 public:
  explicit StringDownloadWriter(uint32_t max_size) : max_size_(max_size) {}
  bool Write(const uint8_t* bytes, uint32_t length) override;
  void Reset() override;
  bool LimitExceeded() const override { return limit_exceeded_; }
  uint32_t max_size() const { return max_size_; }
  std::string& data() { return data_; }

 private:
  const uint32_t max_size_;
  bool limit_exceeded_ = false;
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
