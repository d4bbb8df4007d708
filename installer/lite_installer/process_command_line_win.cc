#include "installer/lite_installer/process_command_line_win.h"

#include <windows.h>

#include "base/win/wide.h"

namespace lite_installer {

const base::CommandLine& ProcessCommandLine() {
  static const base::CommandLine command_line =
      base::CommandLine::FromString(base::win::FromWide(::GetCommandLineW()));
  return command_line;
}

}  // namespace lite_installer
