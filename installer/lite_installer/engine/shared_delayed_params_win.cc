#include "installer/lite_installer/engine/shared_delayed_params_win.h"

namespace lite_installer {

namespace {

// Zero in the file; the parent writes it completely before it sets the go
// event and the child reads it only after that event. The stated alignment
// keeps the compiler from padding a large object to 32 bytes, so that the
// section holds exactly the block.
__attribute__((section("Shared"), shared, aligned(4))) DelayedParams g_delayed_params = {};

}  // namespace

DelayedParams& SharedDelayedParams() {
  return g_delayed_params;
}

}  // namespace lite_installer
