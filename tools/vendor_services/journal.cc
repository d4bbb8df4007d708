#include "tools/vendor_services/journal.h"

#include <chrono>

namespace vendor_services {

Journal::Journal(const std::string& path) : file_(std::fopen(path.c_str(), "a")) {}

Journal::~Journal() {
  if (file_)
    std::fclose(file_);
}

void Journal::Append(nlohmann::json record) {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::lock_guard<std::mutex> hold(lock_);
  if (!file_)
    return;
  record["seq"] = ++sequence_;
  record["time_ms"] = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
  const std::string line = record.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  std::fprintf(file_, "%s\n", line.c_str());
  std::fflush(file_);
}

}  // namespace vendor_services
