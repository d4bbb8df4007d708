// The local vendor services as the end-to-end tests drive them: faults set
// through the control URL, files put where the CDN serves them, and the
// journal of the requests a run made.
#ifndef TESTS_E2E_VENDOR_JOURNAL_H_
#define TESTS_E2E_VENDOR_JOURNAL_H_

#include <nlohmann/json.hpp>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace test {

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

// The signed fake setup (a variant of tests/e2e/make-signed-setups) as the
// browser's setup archive on every URL of the default brand, recording what
// it saw into |temp_dir| (a Windows path with a trailing backslash).
bool ServeFakeSetup(const std::wstring& temp_dir, const char* variant = "sha256");
std::wstring SignedSetup(const char* variant);
// The command line the fake setup was started with; empty when it never ran.
std::string FakeSetupCommandLine(const std::wstring& temp_dir);
// The installer's registry values as the fake setup found them.
std::map<std::string, std::string> FakeSetupRegistry(const std::wstring& temp_dir);

// The "result" of the installation-finished report journaled since |vendor|
// began; empty when none arrived in time.
std::string FinishedResult(const VendorServices& vendor);

// The decoded "vars" of a statistics record; an empty object for others.
nlohmann::json StatVars(const nlohmann::json& record);

// "action/stage" (or "action/status") of every statistics event, in order.
std::vector<std::string> StatEventNames(const std::vector<nlohmann::json>& records);

}  // namespace test

#endif  // TESTS_E2E_VENDOR_JOURNAL_H_
