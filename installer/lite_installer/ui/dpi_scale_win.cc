#include "installer/lite_installer/ui/dpi_scale_win.h"

#include <windows.h>

#include <optional>

#include "base/win/scoped_gdi_win.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "installer/lite_installer/ui/window_geometry.h"

namespace lite_installer {

namespace {

double ComputeDpiScale() {
  const std::optional<double> forced =
      ParseForcedScaleFactor(ProcessCommandLine().GetSwitchValueASCII("force-device-scale-factor"));
  if (forced)
    return *forced;
  base::win::ScopedGetDC screen(nullptr);
  const int dpi = screen.IsValid() ? ::GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi / 96.0 : 1.0;
}

}  // namespace

double GetDpiScale() {
  static const double scale = ComputeDpiScale();
  return scale;
}

}  // namespace lite_installer
