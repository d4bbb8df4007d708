// The log statement: a record built where it is written and handed, when the
// statement ends, to the one process-wide sink. Without a sink it is dropped.
//
//   LOG(INFO) << "Temporary path is: " << path;
//   PLOG(ERROR) << "CPU is not supported";   // appends " - " and the system error
//   LOG_AT(ERROR, "async_install_tasks") << "...";  // located by a source name
#ifndef LOGGING_LOG_MESSAGE_H_
#define LOGGING_LOG_MESSAGE_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace logging {

enum LogLevel : int { LOG_INFO = 0, LOG_ERROR = 1, LOG_WARNING = 2 };

struct LogRecord {
  int level = LOG_INFO;
  // The function as the log shows it ("Installer::Install", "wWinMain").
  std::string function;
  int line = 0;
  // Microseconds since 1601-01-01 UTC.
  int64_t time = 0;
  uint32_t process_id = 0;
  uint32_t thread_id = 0;
  std::string message;
};

class LogSink {
 public:
  virtual ~LogSink() = default;
  virtual void Emit(const LogRecord& record) = 0;
};

// Replaces (and destroys) the installed sink; null uninstalls.
void InstallLogSink(std::unique_ptr<LogSink> sink);

class LogMessage {
 public:
  // |pretty_function| is the compiler's full signature; it is shortened to the
  // log's form only when the record is emitted.
  LogMessage(int level, const char* pretty_function, int line);
  // A record located by |source_name| (a source unit's name) instead of the
  // function it is written in.
  struct SourceName {
    const char* name;
  };
  LogMessage(int level, SourceName source_name, int line);
  LogMessage(const LogMessage&) = delete;
  LogMessage& operator=(const LogMessage&) = delete;
  ~LogMessage();

  LogMessage& operator<<(std::string_view text);
  LogMessage& operator<<(const char* text) { return *this << std::string_view(text ? text : ""); }
  LogMessage& operator<<(const std::string& text) { return *this << std::string_view(text); }
  LogMessage& operator<<(std::u16string_view text);
  LogMessage& operator<<(const std::u16string& text) { return *this << std::u16string_view(text); }
  LogMessage& operator<<(const char16_t* text) {
    return *this << std::u16string_view(text ? text : u"");
  }
  LogMessage& operator<<(bool value) { return *this << (value ? "1" : "0"); }
  LogMessage& operator<<(char c) { return *this << std::string_view(&c, 1); }
  template <typename Int,
            typename = std::enable_if_t<std::is_integral_v<Int> && !std::is_same_v<Int, bool> &&
                                        !std::is_same_v<Int, char>>>
  LogMessage& operator<<(Int value) {
    return *this << std::string_view(std::to_string(value));
  }

 protected:
  // Saved before anything else, so that the statement's own work cannot
  // change it, and put back when the statement ends.
  uint32_t error_code_;
  LogRecord record_;

 private:
  const char* pretty_function_ = nullptr;
  const char* source_name_ = nullptr;
};

// A statement that ends with " - " and the text of the thread's last system
// error, saved when the statement starts.
class ErrorLogMessage : public LogMessage {
 public:
  using LogMessage::LogMessage;
  ~ErrorLogMessage();
};

}  // namespace logging

#define LOG(severity) \
  ::logging::LogMessage(::logging::LOG_##severity, __PRETTY_FUNCTION__, __LINE__)
#define PLOG(severity) \
  ::logging::ErrorLogMessage(::logging::LOG_##severity, __PRETTY_FUNCTION__, __LINE__)
#define LOG_AT(severity, source_name)                                                              \
  ::logging::LogMessage(::logging::LOG_##severity, ::logging::LogMessage::SourceName{source_name}, \
                        __LINE__)
#define PLOG_AT(severity, source_name)                  \
  ::logging::ErrorLogMessage(::logging::LOG_##severity, \
                             ::logging::LogMessage::SourceName{source_name}, __LINE__)

#endif  // LOGGING_LOG_MESSAGE_H_
