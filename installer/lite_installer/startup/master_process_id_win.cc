#include "installer/lite_installer/startup/master_process_id_win.h"

namespace lite_installer {

namespace {

// Four bytes in the "SHARED" section, which the linker marks shared between
// all processes of the image. Read without a lock: one aligned 32-bit value.
__attribute__((section("SHARED"), shared)) volatile uint32_t g_master_process_id = 0;

}  // namespace

uint32_t GetMasterProcessId() {
  return g_master_process_id;
}

void SetMasterProcessId(uint32_t process_id) {
  g_master_process_id = process_id;
}

}  // namespace lite_installer
