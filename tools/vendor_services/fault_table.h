// Faults the local vendor services inject, chosen per path prefix.
#ifndef TOOLS_VENDOR_SERVICES_FAULT_TABLE_H_
#define TOOLS_VENDOR_SERVICES_FAULT_TABLE_H_

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace vendor_services {

struct Fault {
  enum class Kind {
    kDrop,
    kStatus,
    kStall,
    kRate,
    kRedirect,
    kOmitHeader,
    kIgnoreRange,
    kNoLength,
  };
  Kind kind;
  std::string path_prefix;
  // drop: body bytes sent before the connection is closed; status: the HTTP
  // status; stall: seconds; rate: bytes per second.
  uint64_t number = 0;
  // redirect: the Location; omit-header: the header name.
  std::string text;
  // How many more requests it applies to; negative means every request.
  int remaining = -1;
};

// Parses "PATH_PREFIX:KIND[=ARG][,count=N]", e.g. "/browser/:drop=1048576,count=1".
std::optional<Fault> ParseFault(const std::string& text, std::string* error);
const char* FaultKindName(Fault::Kind kind);

class FaultTable {
 public:
  void Add(Fault fault);
  void Clear();
  // The faults that apply to |path| now, each counted as used once.
  std::vector<Fault> Take(const std::string& path);

 private:
  std::mutex lock_;
  std::vector<Fault> faults_;
};

}  // namespace vendor_services

#endif  // TOOLS_VENDOR_SERVICES_FAULT_TABLE_H_
