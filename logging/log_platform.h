// What a log statement asks of the platform: the time and the ids of the
// caller, and the last system error with its text. Implemented once per
// platform (Win32 for the installer, POSIX for host tests and tools).
#ifndef LOGGING_LOG_PLATFORM_H_
#define LOGGING_LOG_PLATFORM_H_

#include <cstdint>
#include <string>

namespace logging::platform {

// Microseconds since 1601-01-01 UTC.
int64_t CurrentTime();
uint32_t CurrentProcessId();
uint32_t CurrentThreadId();

uint32_t LastErrorCode();
// Puts back an error code saved by LastErrorCode.
void SetLastErrorCode(uint32_t code);
// "<code>, <system message>"; the message as the system gives it.
std::string ErrorText(uint32_t code);

// Hands one finished line of the diagnostic log to the platform's debug
// output (the debugger's channel on Windows, standard error elsewhere).
void WriteDebugOutput(const std::string& line);

}  // namespace logging::platform

#endif  // LOGGING_LOG_PLATFORM_H_
