#include "installer/lite_installer/engine/shared_error_code_win.h"

#include <atomic>

namespace lite_installer {
namespace {

// Kept in this process; an elevated copy reports through its parent's block.
std::atomic<int32_t> g_shared_error_code{0};

}  // namespace

int32_t GetSharedErrorCode() {
  return g_shared_error_code.load();
}

void SetSharedErrorCode(int32_t code) {
  g_shared_error_code.store(code);
}

}  // namespace lite_installer
