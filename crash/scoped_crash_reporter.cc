#include "crash/scoped_crash_reporter.h"

#include <map>

namespace crashpad {

namespace {

// Annotations a crash report would carry; kept until the reporter writes
// dumps.
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
