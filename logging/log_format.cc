#include "logging/log_format.h"

#include <cinttypes>
#include <cstdio>

namespace logging {

namespace {

// Days from 1601-01-01 to 1970-01-01.
constexpr int64_t kDaysFrom1601To1970 = 134774;

// Proleptic Gregorian date of |days| since 1970-01-01.
void CivilFromDays(int64_t days, int* year, int* month, int* day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t doe = days - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const int64_t m = mp < 10 ? mp + 3 : mp - 9;
  *year = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
  *month = static_cast<int>(m);
  *day = static_cast<int>(d);
}

}  // namespace

CalendarTime ExplodeTime(int64_t time) {
  constexpr int64_t kMicrosPerDay = 86400LL * 1000000;
  int64_t days = time / kMicrosPerDay;
  int64_t rest = time % kMicrosPerDay;
  if (rest < 0) {
    rest += kMicrosPerDay;
    --days;
  }
  CalendarTime t{};
  CivilFromDays(days - kDaysFrom1601To1970, &t.year, &t.month, &t.day);
  const int64_t millis = rest / 1000;
  t.millisecond = static_cast<int>(millis % 1000);
  t.second = static_cast<int>(millis / 1000 % 60);
  t.minute = static_cast<int>(millis / 60000 % 60);
  t.hour = static_cast<int>(millis / 3600000);
  return t;
}

bool FormatLogPrefix(int64_t time, uint32_t process_id, uint32_t thread_id, std::string* out) {
  const CalendarTime t = ExplodeTime(time);
  char buffer[kMaxFormattedPieceSize];
  const int n = std::snprintf(
      buffer, sizeof(buffer), "%04d-%02d-%02d %02d:%02d:%02d.%03d %02" PRIu32 ":%02" PRIu32 " ",
      t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond, process_id, thread_id);
  if (n < 0 || static_cast<size_t>(n) >= sizeof(buffer))
    return false;
  out->assign(buffer, static_cast<size_t>(n));
  return true;
}

bool FormatLocationSuffix(std::string_view function, int line, std::string* out) {
  char buffer[kMaxFormattedPieceSize];
  const int n = std::snprintf(buffer, sizeof(buffer), " (%.*s:%d)",
                              static_cast<int>(function.size()), function.data(), line);
  if (n < 0 || static_cast<size_t>(n) >= sizeof(buffer))
    return false;
  out->assign(buffer, static_cast<size_t>(n));
  return true;
}

const char* LogLevelName(int level) {
  switch (level) {
    case 1:
      return "ERROR";
    case 2:
      return "WARNING";
    default:
      return "INFO";
  }
}

std::string ShortFunctionName(std::string_view pretty) {
  // The parameter list is the last balanced "(...)" group, after which only
  // qualifiers such as " const" may follow.
  size_t end = pretty.rfind(')');
  size_t open = std::string_view::npos;
  if (end != std::string_view::npos) {
    int depth = 0;
    for (size_t i = end + 1; i-- > 0;) {
      if (pretty[i] == ')') {
        ++depth;
      } else if (pretty[i] == '(' && --depth == 0) {
        open = i;
        break;
      }
    }
  }
  std::string_view head = open == std::string_view::npos ? pretty : pretty.substr(0, open);

  // The name starts after the last blank outside brackets ("int ns::f",
  // "std::basic_string<char> f"). Anonymous namespaces print with braces and
  // no blank under GCC ("{anonymous}") and with one under Clang.
  size_t name_begin = 0;
  int depth = 0;
  for (size_t i = 0; i < head.size(); ++i) {
    const char c = head[i];
    if (c == '<' || c == '(' || c == '{' || c == '[')
      ++depth;
    else if (c == '>' || c == ')' || c == '}' || c == ']')
      --depth;
    else if (c == ' ' && depth == 0)
      name_begin = i + 1;
  }
  std::string name(head.substr(name_begin));
  constexpr std::string_view kGccAnonymous = "{anonymous}";
  for (size_t at = name.find(kGccAnonymous); at != std::string::npos;
       at = name.find(kGccAnonymous, at))
    name.replace(at, kGccAnonymous.size(), "(anonymous namespace)");

  for (std::string_view keyword : {"virtual ", "static "}) {
    if (pretty.substr(0, keyword.size()) == keyword)
      return std::string(keyword) + name;
  }
  return name;
}

}  // namespace logging
