// The local vendor services as the end-to-end tests drive them: faults set
// through the control URL, files put where the CDN serves them, and the
// journal of the requests a run made.
#ifndef TESTS_SUPPORT_VENDOR_SERVICES_WIN_H_
#define TESTS_SUPPORT_VENDOR_SERVICES_WIN_H_

#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

namespace test {

// The services' base URL, "http://127.0.0.1:PORT".
std::string VendorUrl();

class VendorServices {
 public:
  // Clears every fault and starts a new stretch of the journal.
  VendorServices();

  // A fault such as "/browser/:status=404"; false when it was refused.
  bool AddFault(const std::string& fault);
  // Copies |source| (a Windows path) to |path| under the served data.
  bool Serve(const std::wstring& source, const std::string& path);
  std::wstring DataPath(const std::string& path) const;

  // The records journaled since construction.
  std::vector<nlohmann::json> Records() const;
  // Waits up to |timeout_ms| for a record that |match| accepts, since the
  // requests of a run may still be arriving when the run has ended.
  bool WaitFor(const std::function<bool(const nlohmann::json&)>& match,
               int timeout_ms = 5000) const;

 private:
  std::wstring state_;
  size_t journal_offset_ = 0;
};

// The "result" of the installation-finished report journaled since |vendor|
// began; empty when none arrived in time.
std::string FinishedResult(const VendorServices& vendor);

// The decoded "vars" of a statistics record; an empty object for others.
nlohmann::json StatVars(const nlohmann::json& record);

// "action/stage" (or "action/status") of every statistics event, in order.
std::vector<std::string> StatEventNames(const std::vector<nlohmann::json>& records);

}  // namespace test

#endif  // TESTS_SUPPORT_VENDOR_SERVICES_WIN_H_
