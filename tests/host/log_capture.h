// Collects log records for the length of a test.
#ifndef TESTS_HOST_LOG_CAPTURE_H_
#define TESTS_HOST_LOG_CAPTURE_H_

#include <memory>
#include <string>
#include <vector>

#include "logging/log_message.h"

namespace test {

class LogCapture {
 public:
  LogCapture() {
    auto sink = std::make_unique<Sink>();
    sink_ = sink.get();
    logging::InstallLogSink(std::move(sink));
  }
  ~LogCapture() { logging::InstallLogSink(nullptr); }

  const std::vector<logging::LogRecord>& records() const { return sink_->records; }
  // "LEVEL: message" per record.
  std::vector<std::string> Lines() const {
    static const char* const kLevels[] = {"INFO", "ERROR", "WARNING"};
    std::vector<std::string> lines;
    for (const logging::LogRecord& record : sink_->records)
      lines.push_back(std::string(kLevels[record.level]) + ": " + record.message);
    return lines;
  }
  bool Has(const std::string& text) const {
    for (const std::string& line : Lines()) {
      if (line.find(text) != std::string::npos)
        return true;
    }
    return false;
  }
  void Clear() { sink_->records.clear(); }

 private:
  struct Sink : logging::LogSink {
    void Emit(const logging::LogRecord& record) override { records.push_back(record); }
    std::vector<logging::LogRecord> records;
  };
  Sink* sink_;
};

}  // namespace test

#endif  // TESTS_HOST_LOG_CAPTURE_H_
