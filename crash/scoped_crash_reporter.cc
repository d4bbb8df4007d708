#include "crash/scoped_crash_reporter.h"

#include "crash/crash_annotations.h"

namespace crashpad {

namespace {

// PENDING: the reporter does not write dumps yet; the annotations a report
// would carry are kept in memory.
Annotations& CrashKeys() {
  static Annotations keys;
  return keys;
}

}  // namespace

ScopedCrashReporter::ScopedCrashReporter() = default;
ScopedCrashReporter::~ScopedCrashReporter() = default;

void SetCrashKey(const std::string& key, const std::string& value) {
  SetAnnotation(&CrashKeys(), key, value);
}

}  // namespace crashpad
