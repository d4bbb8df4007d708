#include "tests/support/installer_run_win.h"

#include <cstdlib>
#include <regex>

#include "tests/support/files_win.h"
#include "tests/support/process_win.h"

namespace test {

namespace {

// One record; an error record's system text ends with a line break of its own,
// so a record may span lines.
const std::regex kLogRecord(
    R"((\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}) (\d{2,}):(\d{2,}) (INFO|ERROR|WARNING): ([^]*) \(([^()]|\([^()]*\))+:\d+\))");
const std::regex kRecordStart(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \d{2,}:\d{2,} [^]*)");

std::wstring InstallerPath() {
  const char* path = std::getenv("LITE_INSTALLER_EXE");
  return FromUnixPath(path ? path : "lite_installer.exe");
}

}  // namespace

InstallerRun::InstallerRun(const std::wstring& arguments,
                           std::wstring temp_dir,
                           const std::wstring& program)
    : temp_dir_(temp_dir.empty() ? MakeUniqueTempDir() : std::move(temp_dir)) {
  const std::wstring path = program.empty() ? InstallerPath() : program;
  process_ = StartProcessWithTemp(L"\"" + path + L"\" " + arguments, temp_dir_);
}

InstallerRun::~InstallerRun() {
  if (started() && Wait(0) == static_cast<int>(STILL_ACTIVE)) {
    ::TerminateProcess(process_.Get(), 1);
    Wait(10000);
  }
}

int InstallerRun::Wait(DWORD timeout_ms) {
  return static_cast<int>(WaitForExitCode(process_.Get(), timeout_ms));
}

std::vector<std::string> InstallerRun::LogLines() const {
  return ReadLines(temp_dir_ + L"lite_installer.log");
}

std::vector<std::string> InstallerRun::LogRecords() const {
  std::vector<std::string> records;
  for (const std::string& line : LogLines()) {
    if (records.empty() || std::regex_match(line, kRecordStart))
      records.push_back(line);
    else
      records.back() += "\n" + line;
  }
  return records;
}

std::vector<std::string> InstallerRun::OwnLogMessages() const {
  std::vector<std::string> messages;
  const std::string pid = std::to_string(process_id());
  for (const std::string& record : LogRecords()) {
    std::smatch match;
    if (std::regex_match(record, match, kLogRecord) && match[2] == pid)
      messages.push_back(match[4].str() + ": " + match[5].str());
  }
  return messages;
}

bool IsWellFormedLogRecord(const std::string& record) {
  return std::regex_match(record, kLogRecord);
}

bool Contains(const std::vector<std::string>& lines, const std::string& text) {
  for (const std::string& line : lines) {
    if (line.find(text) != std::string::npos)
      return true;
  }
  return false;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\n";
  return text;
}

}  // namespace test
