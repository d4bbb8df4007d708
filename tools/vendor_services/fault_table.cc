#include "tools/vendor_services/fault_table.h"

#include <charconv>

namespace vendor_services {

namespace {

struct KindName {
  Fault::Kind kind;
  const char* name;
  bool needs_argument;
};

constexpr KindName kKinds[] = {
    {Fault::Kind::kDrop, "drop", true},
    {Fault::Kind::kStatus, "status", true},
    {Fault::Kind::kStall, "stall", true},
    {Fault::Kind::kRate, "rate", true},
    {Fault::Kind::kRedirect, "redirect", true},
    {Fault::Kind::kOmitHeader, "omit-header", true},
    {Fault::Kind::kIgnoreRange, "ignore-range", false},
    {Fault::Kind::kNoLength, "no-length", false},
};

bool ParseNumber(const std::string& text, uint64_t* value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, *value);
  return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

}  // namespace

const char* FaultKindName(Fault::Kind kind) {
  for (const KindName& entry : kKinds) {
    if (entry.kind == kind)
      return entry.name;
  }
  return "?";
}

std::optional<Fault> ParseFault(const std::string& text, std::string* error) {
  const size_t colon = text.find(':');
  if (colon == std::string::npos || colon == 0 || text[0] != '/') {
    *error = "a fault is PATH_PREFIX:KIND[=ARG][,count=N] with a path starting with /";
    return std::nullopt;
  }
  Fault fault;
  fault.path_prefix = text.substr(0, colon);
  std::string rest = text.substr(colon + 1);
  const size_t comma = rest.find(",count=");
  if (comma != std::string::npos) {
    uint64_t count = 0;
    if (!ParseNumber(rest.substr(comma + 7), &count) || count == 0 || count > 1000000) {
      *error = "count must be a whole number from 1";
      return std::nullopt;
    }
    fault.remaining = static_cast<int>(count);
    rest.resize(comma);
  }
  const size_t equals = rest.find('=');
  const std::string name = rest.substr(0, equals);
  const std::string argument =
      equals == std::string::npos ? std::string() : rest.substr(equals + 1);
  for (const KindName& entry : kKinds) {
    if (name != entry.name)
      continue;
    if (entry.needs_argument && argument.empty()) {
      *error = std::string("fault ") + entry.name + " needs an argument";
      return std::nullopt;
    }
    fault.kind = entry.kind;
    if (entry.kind == Fault::Kind::kRedirect || entry.kind == Fault::Kind::kOmitHeader) {
      fault.text = argument;
    } else if (entry.needs_argument && !ParseNumber(argument, &fault.number)) {
      *error = std::string("fault ") + entry.name + " needs a whole number";
      return std::nullopt;
    }
    return fault;
  }
  *error = "unknown fault kind \"" + name + "\"";
  return std::nullopt;
}

void FaultTable::Add(Fault fault) {
  std::lock_guard<std::mutex> hold(lock_);
  faults_.push_back(std::move(fault));
}

void FaultTable::Clear() {
  std::lock_guard<std::mutex> hold(lock_);
  faults_.clear();
}

std::vector<Fault> FaultTable::Take(const std::string& path) {
  std::lock_guard<std::mutex> hold(lock_);
  std::vector<Fault> applying;
  for (auto it = faults_.begin(); it != faults_.end();) {
    if (path.compare(0, it->path_prefix.size(), it->path_prefix) != 0) {
      ++it;
      continue;
    }
    applying.push_back(*it);
    if (it->remaining > 0 && --it->remaining == 0)
      it = faults_.erase(it);
    else
      ++it;
  }
  return applying;
}

}  // namespace vendor_services
