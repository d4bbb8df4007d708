// Starts the installer under test with a temporary directory of its own and
// reads back the log it wrote there.
#ifndef TESTS_SUPPORT_INSTALLER_RUN_WIN_H_
#define TESTS_SUPPORT_INSTALLER_RUN_WIN_H_

#include <windows.h>

#include <string>
#include <vector>

#include "base/win/scoped_handle_win.h"

namespace test {

class InstallerRun {
 public:
  // |arguments| follow the program on the command line as they are; the
  // program is the build's installer unless |program| names another copy.
  explicit InstallerRun(const std::wstring& arguments,
                        std::wstring temp_dir = std::wstring(),
                        const std::wstring& program = std::wstring());
  // Ends a run that is still going (a failed test's): a leftover installer
  // would hold the single-instance lock for every later run.
  ~InstallerRun();
  InstallerRun(const InstallerRun&) = delete;
  InstallerRun& operator=(const InstallerRun&) = delete;

  bool started() const { return process_.IsValid(); }
  DWORD process_id() const { return ::GetProcessId(process_.Get()); }
  HANDLE process() const { return process_.Get(); }
  const std::wstring& temp_dir() const { return temp_dir_; }

  // The exit code as a signed number; STILL_ACTIVE when it did not end.
  int Wait(DWORD timeout_ms = 60000);

  std::vector<std::string> LogLines() const;
  // The log's records; a record whose message holds line breaks spans lines.
  std::vector<std::string> LogRecords() const;
  // The log's lines written by this process only, without their prefix.
  std::vector<std::string> OwnLogMessages() const;

 private:
  std::wstring temp_dir_;
  base::win::ScopedHandle process_;
};

// True when |record| has the log's prefix, a level and a location suffix.
bool IsWellFormedLogRecord(const std::string& record);

bool Contains(const std::vector<std::string>& lines, const std::string& text);

// The lines, one per line, for failure messages.
std::string Joined(const std::vector<std::string>& lines);

}  // namespace test

#endif  // TESTS_SUPPORT_INSTALLER_RUN_WIN_H_
