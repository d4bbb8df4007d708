// The two clocks of an installation: the wall clock for durations and the
// archive's age, and running time since boot for the time stamps the setup
// compares with its own.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_CLOCK_WIN_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_CLOCK_WIN_H_

#include <windows.h>

#include <cstdint>

namespace lite_installer {

// Microseconds since 1601-01-01 UTC.
inline int64_t WallClockUs() {
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  return static_cast<int64_t>(
      (static_cast<uint64_t>(now.dwHighDateTime) << 32 | now.dwLowDateTime) / 10);
}

// Microseconds of running time since boot, sleep not counted.
inline uint64_t UnbiasedNowUs() {
  ULONGLONG time = 0;
  ::QueryUnbiasedInterruptTime(&time);
  return time / 10;
}

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_CLOCK_WIN_H_
