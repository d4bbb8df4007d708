// Captures a minidump if the process crashes, with annotations set along the
// run as crash keys.
#ifndef CRASH_SCOPED_CRASH_REPORTER_H_
#define CRASH_SCOPED_CRASH_REPORTER_H_

#include <string>

namespace crashpad {

class ScopedCrashReporter {
 public:
  ScopedCrashReporter();
  ScopedCrashReporter(const ScopedCrashReporter&) = delete;
  ScopedCrashReporter& operator=(const ScopedCrashReporter&) = delete;
  ~ScopedCrashReporter();
};

void SetCrashKey(const std::string& key, const std::string& value);

}  // namespace crashpad

#endif  // CRASH_SCOPED_CRASH_REPORTER_H_
