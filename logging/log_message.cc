#include "logging/log_message.h"

#include <atomic>

#include "base/strings.h"
#include "logging/log_format.h"
#include "logging/log_platform.h"

namespace logging {

namespace {

// Statements may come from any thread while the sink is replaced only by the
// main thread at start-up; an atomic pointer keeps the read tear-free.
std::atomic<LogSink*> g_sink{nullptr};

}  // namespace

void InstallLogSink(std::unique_ptr<LogSink> sink) {
  delete g_sink.exchange(sink.release());
}

LogMessage::LogMessage(int level, const char* pretty_function, int line)
    : error_code_(platform::LastErrorCode()), pretty_function_(pretty_function) {
  record_.level = level;
  record_.line = line;
  record_.time = platform::CurrentTime();
  record_.process_id = platform::CurrentProcessId();
  record_.thread_id = platform::CurrentThreadId();
}

LogMessage::LogMessage(int level, SourceName source_name, int line)
    : LogMessage(level, static_cast<const char*>(nullptr), line) {
  source_name_ = source_name.name;
}

LogMessage::~LogMessage() {
  if (LogSink* sink = g_sink.load()) {
    record_.function =
        source_name_ ? std::string(source_name_) : ShortFunctionName(pretty_function_);
    sink->Emit(record_);
  }
  // Writing the record (opening the log file, taking its lock) changes the
  // thread's last error; the code after the statement must still see the
  // error it had before it.
  platform::SetLastErrorCode(error_code_);
}

LogMessage& LogMessage::operator<<(std::string_view text) {
  record_.message.append(text);
  return *this;
}

LogMessage& LogMessage::operator<<(std::u16string_view text) {
  record_.message += base::UTF16ToUTF8(text);
  return *this;
}

ErrorLogMessage::~ErrorLogMessage() {
  if (!record_.message.empty()) {
    record_.message += " - ";
    record_.message += platform::ErrorText(error_code_);
  }
}

}  // namespace logging
