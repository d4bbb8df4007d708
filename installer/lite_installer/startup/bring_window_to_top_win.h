// Brings the first top-level window of another installer process to the
// foreground, so that a second run hands the user over to the first.
#ifndef INSTALLER_LITE_INSTALLER_STARTUP_BRING_WINDOW_TO_TOP_WIN_H_
#define INSTALLER_LITE_INSTALLER_STARTUP_BRING_WINDOW_TO_TOP_WIN_H_

#include <cstdint>

namespace lite_installer {

void BringProcessWindowToTop(uint32_t process_id);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_STARTUP_BRING_WINDOW_TO_TOP_WIN_H_
