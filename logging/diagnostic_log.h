// The diagnostic log: statements meant for a developer with a debug output
// viewer, never written into the installer's log file. A statement is
// written when its severity reaches the minimum (information by default); a
// verbose statement only when verbose logging is enabled for its source unit
// at its level or above (off for every unit by default).
//
//   DIAG_LOG(ERROR, "windows10_file_association_utils") << "...";
//   DIAG_VLOG(1, "application_association_registration_internal") << "...";
#ifndef LOGGING_DIAGNOSTIC_LOG_H_
#define LOGGING_DIAGNOSTIC_LOG_H_

#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

namespace logging {

enum DiagnosticSeverity : int {
  DIAG_VERBOSE = -1,
  DIAG_INFO = 0,
  DIAG_WARNING = 1,
  DIAG_ERROR = 2,
};

void SetMinDiagnosticSeverity(int severity);
// |level| 0 turns verbose statements of |source_unit| off.
void SetDiagnosticVerboseLevel(std::string_view source_unit, int level);
bool IsDiagnosticEnabled(int severity, int verbose_level, std::string_view source_unit);

// Where finished lines go; null puts back the platform's debug output.
using DiagnosticOutput = std::function<void(std::string_view line)>;
void SetDiagnosticOutputForTesting(DiagnosticOutput output);

class DiagnosticMessage {
 public:
  // |verbose_level| counts only for DIAG_VERBOSE.
  DiagnosticMessage(int severity, int verbose_level, const char* source_unit, int line);
  DiagnosticMessage(const DiagnosticMessage&) = delete;
  DiagnosticMessage& operator=(const DiagnosticMessage&) = delete;
  ~DiagnosticMessage();

  DiagnosticMessage& operator<<(std::string_view text);
  DiagnosticMessage& operator<<(const char* text) {
    return *this << std::string_view(text ? text : "");
  }
  DiagnosticMessage& operator<<(const std::string& text) { return *this << std::string_view(text); }
  DiagnosticMessage& operator<<(std::u16string_view text);
  DiagnosticMessage& operator<<(const std::u16string& text) {
    return *this << std::u16string_view(text);
  }
  DiagnosticMessage& operator<<(const char16_t* text) {
    return *this << std::u16string_view(text ? text : u"");
  }
  template <typename Int,
            typename = std::enable_if_t<std::is_integral_v<Int> && !std::is_same_v<Int, bool> &&
                                        !std::is_same_v<Int, char>>>
  DiagnosticMessage& operator<<(Int value) {
    return enabled_ ? *this << std::string_view(std::to_string(value)) : *this;
  }

 private:
  bool enabled_;
  std::string line_;
};

}  // namespace logging

#define DIAG_LOG(severity, source_unit) \
  ::logging::DiagnosticMessage(::logging::DIAG_##severity, 0, source_unit, __LINE__)
#define DIAG_VLOG(level, source_unit) \
  ::logging::DiagnosticMessage(::logging::DIAG_VERBOSE, level, source_unit, __LINE__)

#endif  // LOGGING_DIAGNOSTIC_LOG_H_
