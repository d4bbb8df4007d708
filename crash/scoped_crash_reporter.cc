#include "crash/scoped_crash_reporter.h"

#include <map>

namespace crashpad {

namespace {

// PENDING: the reporter does not write dumps yet; the annotations a report
// would carry are kept in memory.
std::map<std::string, std::string>& CrashKeys() {
  static std::map<std::string, std::string> keys;
  return keys;
}

}  // namespace

ScopedCrashReporter::ScopedCrashReporter() = default;
ScopedCrashReporter::~ScopedCrashReporter() = default;

void SetCrashKey(const std::string& key, const std::string& value) {
  CrashKeys()[key] = value;
}

}  // namespace crashpad
