// The DPI factor of the installer's windows: window pixels per design pixel.
#ifndef INSTALLER_LITE_INSTALLER_UI_DPI_SCALE_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_DPI_SCALE_WIN_H_

namespace lite_installer {

// Computed on the first call and kept for the process: the factor the
// "force-device-scale-factor" switch asks for, else the screen's horizontal
// logical pixels per inch over 96.
double GetDpiScale();

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_DPI_SCALE_WIN_H_
