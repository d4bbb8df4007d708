// The process id of the installer run that owns the instance mutex, kept in a
// data section that every process started from the same executable file
// shares. A process started from another copy of the file reads 0.
#ifndef INSTALLER_LITE_INSTALLER_STARTUP_MASTER_PROCESS_ID_WIN_H_
#define INSTALLER_LITE_INSTALLER_STARTUP_MASTER_PROCESS_ID_WIN_H_

#include <cstdint>

namespace lite_installer {

uint32_t GetMasterProcessId();
void SetMasterProcessId(uint32_t process_id);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_STARTUP_MASTER_PROCESS_ID_WIN_H_
