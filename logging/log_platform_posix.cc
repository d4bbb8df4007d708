// Host build of the log statement's platform hooks, for unit tests and tools.
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "logging/log_platform.h"

namespace logging::platform {

namespace {

// Microseconds from 1601-01-01 to 1970-01-01.
constexpr int64_t kEpochDeltaMicros = 11644473600LL * 1000000;

}  // namespace

int64_t CurrentTime() {
  timeval now;
  gettimeofday(&now, nullptr);
  return kEpochDeltaMicros + static_cast<int64_t>(now.tv_sec) * 1000000 + now.tv_usec;
}

uint32_t CurrentProcessId() {
  return static_cast<uint32_t>(getpid());
}

uint32_t CurrentThreadId() {
  return static_cast<uint32_t>(gettid());
}

uint32_t LastErrorCode() {
  return static_cast<uint32_t>(errno);
}

void SetLastErrorCode(uint32_t code) {
  errno = static_cast<int>(code);
}

std::string ErrorText(uint32_t code) {
  return std::to_string(code) + ", " + std::strerror(static_cast<int>(code)) + "\n";
}

void WriteDebugOutput(const std::string& line) {
  std::fputs(line.c_str(), stderr);
}

}  // namespace logging::platform
