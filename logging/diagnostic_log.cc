#include "logging/diagnostic_log.h"

#include <map>
#include <mutex>

#include "base/strings.h"
#include "logging/log_platform.h"

namespace logging {

namespace {

struct DiagnosticSettings {
  std::mutex lock;
  int min_severity = DIAG_INFO;
  std::map<std::string, int, std::less<>> verbose_levels;
  DiagnosticOutput output;
};

// Never destroyed: statements may run while static objects go away.
DiagnosticSettings& Settings() {
  static DiagnosticSettings* settings = new DiagnosticSettings;
  return *settings;
}

std::string SeverityName(int severity, int verbose_level) {
  switch (severity) {
    case DIAG_INFO:
      return "INFO";
    case DIAG_WARNING:
      return "WARNING";
    case DIAG_ERROR:
      return "ERROR";
    default:
      return "VERBOSE" + std::to_string(verbose_level);
  }
}

}  // namespace

void SetMinDiagnosticSeverity(int severity) {
  DiagnosticSettings& settings = Settings();
  std::lock_guard<std::mutex> hold(settings.lock);
  settings.min_severity = severity;
}

void SetDiagnosticVerboseLevel(std::string_view source_unit, int level) {
  DiagnosticSettings& settings = Settings();
  std::lock_guard<std::mutex> hold(settings.lock);
  if (level > 0)
    settings.verbose_levels[std::string(source_unit)] = level;
  else if (auto it = settings.verbose_levels.find(source_unit); it != settings.verbose_levels.end())
    settings.verbose_levels.erase(it);
}

bool IsDiagnosticEnabled(int severity, int verbose_level, std::string_view source_unit) {
  DiagnosticSettings& settings = Settings();
  std::lock_guard<std::mutex> hold(settings.lock);
  if (severity != DIAG_VERBOSE)
    return severity >= settings.min_severity;
  const auto it = settings.verbose_levels.find(source_unit);
  return it != settings.verbose_levels.end() && verbose_level <= it->second;
}

void SetDiagnosticOutputForTesting(DiagnosticOutput output) {
  DiagnosticSettings& settings = Settings();
  std::lock_guard<std::mutex> hold(settings.lock);
  settings.output = std::move(output);
}

DiagnosticMessage::DiagnosticMessage(int severity,
                                     int verbose_level,
                                     const char* source_unit,
                                     int line)
    : enabled_(IsDiagnosticEnabled(severity, verbose_level, source_unit ? source_unit : "")) {
  if (!enabled_)
    return;
  line_ = "[" + SeverityName(severity, verbose_level) + " " + (source_unit ? source_unit : "") +
          ":" + std::to_string(line) + "] ";
}

DiagnosticMessage::~DiagnosticMessage() {
  if (!enabled_)
    return;
  line_ += '\n';
  // The system's last error belongs to the code around the statement.
  const uint32_t error_code = platform::LastErrorCode();
  DiagnosticOutput output;
  {
    DiagnosticSettings& settings = Settings();
    std::lock_guard<std::mutex> hold(settings.lock);
    output = settings.output;
  }
  if (output)
    output(line_);
  else
    platform::WriteDebugOutput(line_);
  platform::SetLastErrorCode(error_code);
}

DiagnosticMessage& DiagnosticMessage::operator<<(std::string_view text) {
  if (enabled_)
    line_.append(text);
  return *this;
}

DiagnosticMessage& DiagnosticMessage::operator<<(std::u16string_view text) {
  if (enabled_)
    line_ += base::UTF16ToUTF8(text);
  return *this;
}

}  // namespace logging
