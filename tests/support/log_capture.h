// Collects the log records of a test from every thread, and lets the test
// wait for a line that another thread is about to log.
#ifndef TESTS_SUPPORT_LOG_CAPTURE_H_
#define TESTS_SUPPORT_LOG_CAPTURE_H_

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "logging/log_message.h"

namespace test {

class LogCapture {
 public:
  LogCapture();
  ~LogCapture();
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  // A copy: records keep arriving while the caller reads.
  std::vector<logging::LogRecord> records() const;
  // "LEVEL: message" per record.
  std::vector<std::string> Lines() const;
  bool Has(const std::string& text) const;
  // True once a line contains |text|, false when none did within |timeout_ms|.
  bool WaitFor(const std::string& text, int timeout_ms = 10000) const;
  void Clear();

 private:
  struct Sink;
  Sink* sink_;  // owned by the logging system while installed
};

}  // namespace test

#endif  // TESTS_SUPPORT_LOG_CAPTURE_H_
