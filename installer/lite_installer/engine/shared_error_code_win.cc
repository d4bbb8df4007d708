#include "installer/lite_installer/engine/shared_error_code_win.h"

#include "installer/lite_installer/engine/shared_delayed_params_win.h"

namespace lite_installer {

// The code lives in the shared block, so that what an elevated copy writes
// before it exits reaches its parent.
int32_t GetSharedErrorCode() {
  return __atomic_load_n(&SharedDelayedParams().shared_error_code, __ATOMIC_SEQ_CST);
}

void SetSharedErrorCode(int32_t code) {
  __atomic_store_n(&SharedDelayedParams().shared_error_code, code, __ATOMIC_SEQ_CST);
}

}  // namespace lite_installer
