#include "tests/support/log_capture.h"

#include <chrono>

namespace test {
namespace {

std::string LineOf(const logging::LogRecord& record) {
  static const char* const kLevels[] = {"INFO", "ERROR", "WARNING"};
  return std::string(kLevels[record.level]) + ": " + record.message;
}

}  // namespace

struct LogCapture::Sink : logging::LogSink {
  void Emit(const logging::LogRecord& record) override {
    {
      std::lock_guard<std::mutex> hold(lock);
      records.push_back(record);
    }
    arrived.notify_all();
  }

  mutable std::mutex lock;
  std::condition_variable arrived;
  std::vector<logging::LogRecord> records;
};

LogCapture::LogCapture() {
  auto sink = std::make_unique<Sink>();
  sink_ = sink.get();
  logging::InstallLogSink(std::move(sink));
}

LogCapture::~LogCapture() {
  logging::InstallLogSink(nullptr);
}

std::vector<logging::LogRecord> LogCapture::records() const {
  std::lock_guard<std::mutex> hold(sink_->lock);
  return sink_->records;
}

std::vector<std::string> LogCapture::Lines() const {
  std::vector<std::string> lines;
  for (const logging::LogRecord& record : records())
    lines.push_back(LineOf(record));
  return lines;
}

bool LogCapture::Has(const std::string& text) const {
  for (const std::string& line : Lines()) {
    if (line.find(text) != std::string::npos)
      return true;
  }
  return false;
}

bool LogCapture::WaitFor(const std::string& text, int timeout_ms) const {
  std::unique_lock<std::mutex> hold(sink_->lock);
  size_t checked = 0;
  const auto found = [&] {
    for (; checked < sink_->records.size(); ++checked) {
      if (LineOf(sink_->records[checked]).find(text) != std::string::npos)
        return true;
    }
    return false;
  };
  return sink_->arrived.wait_for(hold, std::chrono::milliseconds(timeout_ms), found);
}

void LogCapture::Clear() {
  std::lock_guard<std::mutex> hold(sink_->lock);
  sink_->records.clear();
}

}  // namespace test
