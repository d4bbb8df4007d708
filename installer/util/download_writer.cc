#include "installer/util/download_writer.h"

namespace installer {

namespace {

constexpr uint32_t kEstimateIntervalMs = 60000;
// A download expected to take longer than this in all is slow.
constexpr uint64_t kSlowDownloadSeconds = 120;

}  // namespace

bool StringDownloadWriter::Write(const uint8_t* bytes, uint32_t length) {
  if (length > max_size_ - size_) {
    limit_exceeded_ = true;
    return false;
  }
  data_.append(reinterpret_cast<const char*>(bytes), length);
  size_ += length;
  return true;
}

void StringDownloadWriter::Reset() {
  data_.clear();
  size_ = 0;
  limit_exceeded_ = false;
}

DownloadProgressTracker::DownloadProgressTracker(DownloadProgressDelegate* delegate,
                                                 uint32_t start_ms)
    : delegate_(delegate), start_ms_(start_ms) {}

void DownloadProgressTracker::OnStart() {
  if (!delegate_)
    return;
  delegate_->OnProgress(0.0f);
  delegate_->OnTimeLeft(-1, DownloadProgressDelegate::kNoEstimate);
}

void DownloadProgressTracker::OnChunk(uint32_t written, uint32_t content_length, uint32_t now_ms) {
  if (content_length == 0)
    return;
  if (delegate_)
    delegate_->OnProgress(static_cast<float>(written) / static_cast<float>(content_length));
  const uint32_t elapsed = now_ms - start_ms_;
  if (written == 0 || elapsed - last_estimate_ms_ < kEstimateIntervalMs)
    return;
  const uint64_t remaining_ms = static_cast<uint64_t>(content_length - written) * elapsed / written;
  const uint64_t remaining_s = remaining_ms / 1000;
  last_estimate_ms_ = elapsed;
  if (!delegate_)
    return;
  if (remaining_s + elapsed / 1000 > kSlowDownloadSeconds)
    delegate_->OnSlowDownload();
  delegate_->OnTimeLeft(static_cast<int>(remaining_s), DownloadProgressDelegate::kEstimate);
}

void DownloadProgressTracker::OnFinished() {
  if (!delegate_)
    return;
  delegate_->OnProgress(1.0f);
  delegate_->OnTimeLeft(0, DownloadProgressDelegate::kFinished);
}

}  // namespace installer
