#include "installer/lite_installer/engine/download_resume.h"

namespace lite_installer {

bool KeepsPartialDownload(uint32_t written, uint32_t total_size) {
  const uint32_t tenth = static_cast<uint32_t>(total_size * 10u) / 100u;
  return written >= tenth;
}

}  // namespace lite_installer
