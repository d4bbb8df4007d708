// The installer's one number for a Windows version, which the window and the
// make-default rules compare: 3 Vista, 4 Windows 7, 5 Windows 8, 6 Windows
// 8.1, 7 Windows 10 and every later version; lower numbers are older.
#ifndef INSTALLER_UTIL_WINDOWS_VERSION_H_
#define INSTALLER_UTIL_WINDOWS_VERSION_H_

#include <cstdint>

namespace installer {

inline constexpr int kWindowsPre2000 = 0;
inline constexpr int kWindows2000 = 1;
// XP, and the XP x64 edition and Server 2003 that share its kernel (5.2).
inline constexpr int kWindowsXp = 2;
inline constexpr int kWindowsVista = 3;
inline constexpr int kWindows7 = 4;
inline constexpr int kWindows8 = 5;
inline constexpr int kWindows8_1 = 6;
inline constexpr int kWindows10 = 7;

// From the kernel's major and minor version. The Windows 10 previews that
// called themselves 6.4 count as Windows 10.
int WindowVersionNumber(uint32_t major, uint32_t minor);

}  // namespace installer

#endif  // INSTALLER_UTIL_WINDOWS_VERSION_H_
