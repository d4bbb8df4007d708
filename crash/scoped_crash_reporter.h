// Captures a minidump if the process crashes, with annotations set along the
// run as crash keys, and uploads it from the crashing process.
#ifndef CRASH_SCOPED_CRASH_REPORTER_H_
#define CRASH_SCOPED_CRASH_REPORTER_H_

#include <memory>
#include <string>

namespace crashpad {

class ScopedCrashReporter {
 public:
  class Impl;

  // Installs the process's unhandled-exception filter when the dump writer
  // can be loaded; the filter installed before stays chained behind it.
  ScopedCrashReporter();
  ScopedCrashReporter(const ScopedCrashReporter&) = delete;
  ScopedCrashReporter& operator=(const ScopedCrashReporter&) = delete;
  // Puts the previous filter back unless another filter was installed on
  // top of this one since (which then keeps reaching this one, now
  // forwarding every exception).
  ~ScopedCrashReporter();

 private:
  std::unique_ptr<Impl> impl_;
};

// Stores |value| under |key| in the live reporter's annotations, replacing
// an earlier value; an empty key or value is ignored, and so is a key set
// while no reporter lives (there is no report to carry it).
void SetCrashKey(const std::string& key, const std::string& value);

#if defined(LITE_TEST_HOOKS)
// Test builds only: a shorter upload time-out than the product's 60 seconds,
// and a run that writes the dump but does not upload it.
void SetUploadTimeoutForTesting(double seconds);
void SetUploadEnabledForTesting(bool enabled);
#endif

}  // namespace crashpad

#endif  // CRASH_SCOPED_CRASH_REPORTER_H_
