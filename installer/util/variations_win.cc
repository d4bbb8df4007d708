#include "installer/util/variations_win.h"

#include "base/win/file_io_win.h"
#include "base/win/wide.h"
#include "installer/util/downloader_win.h"
#include "logging/log_message.h"

namespace installer {

namespace {

// Variations and A/B seeds are a few kilobytes: a larger answer is not one.
constexpr uint32_t kMaxSeedSize = 1024 * 1024;

}  // namespace

bool DownloadAndSaveVariations(const std::string& url,
                               const base::String16& path,
                               HANDLE stop_event) {
  Downloader downloader;
  VariationsSeed seed;
  if (!downloader.DownloadToString(url, stop_event, kMaxSeedSize, &seed.body)) {
    PLOG(ERROR) << "Failed to download variations seed: " << downloader.error_text();
    return false;
  }
  seed.signature = downloader.GetResponseHeader("X-Seed-Signature");
  if (seed.signature.empty()) {
    PLOG(ERROR) << "Failed to get variations seed signature";
    return false;
  }
  seed.last_modified = downloader.GetResponseHeader("Last-Modified");
  seed.country = downloader.GetResponseHeader("X-Country");
  if (!SaveVariations(path, seed)) {
    PLOG(ERROR) << "Failed to save variations in " << path;
    return false;
  }
  LOG(INFO) << "Variations are saved in " << path;
  return true;
}

bool SaveVariations(const base::String16& path, const VariationsSeed& seed) {
  const std::string text = VariationsFileText(seed);
  if (!base::win::WriteWholeFile(path, text)) {
    PLOG(ERROR) << "Failed to save downloaded variations update to " << path;
    return false;
  }
  return true;
}

}  // namespace installer
