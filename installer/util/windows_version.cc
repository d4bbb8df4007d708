#include "installer/util/windows_version.h"

namespace installer {

int WindowVersionNumber(uint32_t major, uint32_t minor) {
  if (major < 5)
    return kWindowsPre2000;
  if (major == 5)
    return minor == 0 ? kWindows2000 : kWindowsXp;
  if (major == 6) {
    switch (minor) {
      case 0:
        return kWindowsVista;
      case 1:
        return kWindows7;
      case 2:
        return kWindows8;
      case 3:
        return kWindows8_1;
      default:
        return kWindows10;
    }
  }
  return kWindows10;
}

}  // namespace installer
