// Whether a failed download attempt leaves its partial data for the next
// attempt to resume from, or the next attempt starts over.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_DOWNLOAD_RESUME_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_DOWNLOAD_RESUME_H_

#include <cstdint>

namespace lite_installer {

// True when |written| bytes of an announced |total_size| are at least one
// tenth of it, computed as total × 10 / 100 in unsigned 32-bit arithmetic
// (so the product wraps for announcements above 429,496,729 bytes, as the
// shipped program has always computed it). An unknown size (0) keeps any
// partial data.
bool KeepsPartialDownload(uint32_t written, uint32_t total_size);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_DOWNLOAD_RESUME_H_
