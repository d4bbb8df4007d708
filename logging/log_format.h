// The text of a log line: "2024-11-05 09:07:03.045 5120:6312 INFO: <message>
// (<function>:<line>)" and the notes the logger writes with the same prefix.
#ifndef LOGGING_LOG_FORMAT_H_
#define LOGGING_LOG_FORMAT_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace logging {

// Longest prefix or location suffix the logger writes; a longer one means the
// record is not written at all.
constexpr size_t kMaxFormattedPieceSize = 200;

struct CalendarTime {
  int year, month, day, hour, minute, second, millisecond;
};

// |time| in microseconds since 1601-01-01 UTC, exploded in UTC.
CalendarTime ExplodeTime(int64_t time);

// "YYYY-MM-DD hh:mm:ss.mmm PP:TT " (ids with at least two digits).
// False when it would not fit in kMaxFormattedPieceSize bytes.
bool FormatLogPrefix(int64_t time, uint32_t process_id, uint32_t thread_id, std::string* out);

// " (<function>:<line>)". False when it would not fit.
bool FormatLocationSuffix(std::string_view function, int line, std::string* out);

// "INFO", "ERROR" or "WARNING".
const char* LogLevelName(int level);

// Reduces a compiler signature such as "virtual bool Installer::DownloadModule
// (int)" or "int {anonymous}::ExecuteAsAdmin()" to the log's form
// ("virtual Installer::DownloadModule", "(anonymous namespace)::ExecuteAsAdmin"):
// the return type and parameters go, "virtual" and "static" stay.
std::string ShortFunctionName(std::string_view pretty_function);

}  // namespace logging

#endif  // LOGGING_LOG_FORMAT_H_
