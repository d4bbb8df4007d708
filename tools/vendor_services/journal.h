// The JSON-lines record of everything the local vendor services received.
#ifndef TOOLS_VENDOR_SERVICES_JOURNAL_H_
#define TOOLS_VENDOR_SERVICES_JOURNAL_H_

#include <cstdio>
#include <mutex>
#include <string>

#include <nlohmann/json.hpp>

namespace vendor_services {

class Journal {
 public:
  explicit Journal(const std::string& path);
  ~Journal();
  bool ok() const { return file_ != nullptr; }
  // Adds a sequence number and a time stamp, writes one line and flushes.
  void Append(nlohmann::json record);

 private:
  std::mutex lock_;
  FILE* file_;
  uint64_t sequence_ = 0;
};

}  // namespace vendor_services

#endif  // TOOLS_VENDOR_SERVICES_JOURNAL_H_
