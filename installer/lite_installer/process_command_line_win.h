// The process's own command line, parsed once on first use.
#ifndef INSTALLER_LITE_INSTALLER_PROCESS_COMMAND_LINE_WIN_H_
#define INSTALLER_LITE_INSTALLER_PROCESS_COMMAND_LINE_WIN_H_

#include "base/command_line.h"

namespace lite_installer {

// Built from GetCommandLineW on the first call; later changes of that text are
// not seen.
const base::CommandLine& ProcessCommandLine();

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_PROCESS_COMMAND_LINE_WIN_H_
