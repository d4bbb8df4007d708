// The two clocks of an installation: the wall clock for durations and the
// archive's age, and running time since boot for the time stamps the setup
// compares with its own.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_CLOCK_WIN_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_CLOCK_WIN_H_

#include <windows.h>

#include <cstdint>

#include "base/win/system_function_win.h"

namespace lite_installer {

// Microseconds since 1601-01-01 UTC.
inline int64_t WallClockUs() {
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  return static_cast<int64_t>(
      (static_cast<uint64_t>(now.dwHighDateTime) << 32 | now.dwLowDateTime) / 10);
}

// Microseconds since boot by the performance counter (sleep counted on
// some systems), or by the tick count when there is no counter.
inline uint64_t PerformanceCounterUs() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER counter;
  if (!::QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0 ||
      !::QueryPerformanceCounter(&counter) || counter.QuadPart < 0) {
    return static_cast<uint64_t>(::GetTickCount()) * 1000;
  }
  const uint64_t ticks = static_cast<uint64_t>(counter.QuadPart);
  const uint64_t per_second = static_cast<uint64_t>(frequency.QuadPart);
  return ticks / per_second * 1000000 + ticks % per_second * 1000000 / per_second;
}

// Microseconds of running time since boot, sleep not counted. Windows
// versions before 7 lack the unbiased interrupt time; there the performance
// counter stands in.
inline uint64_t UnbiasedNowUs() {
  using QueryUnbiasedInterruptTimeFunction = BOOL(WINAPI*)(PULONGLONG);
  static const QueryUnbiasedInterruptTimeFunction query_unbiased_interrupt_time =
      base::win::GetSystemFunction<QueryUnbiasedInterruptTimeFunction>(
          L"kernel32.dll", "QueryUnbiasedInterruptTime");
  ULONGLONG time = 0;
  if (query_unbiased_interrupt_time && query_unbiased_interrupt_time(&time))
    return time / 10;
  return PerformanceCounterUs();
}

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_CLOCK_WIN_H_
