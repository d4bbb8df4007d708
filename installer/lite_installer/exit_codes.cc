#include "installer/lite_installer/exit_codes.h"

#include <iterator>

namespace lite_installer {

namespace {

struct SetupExitCodeName {
  uint32_t value;
  const char* name;
};

constexpr SetupExitCodeName kSetupExitCodeNames[] = {
    {0, "SUCCESS_EXIT_CODE"},
    {1, "GENERIC_ERROR"},
    {101, "GENERIC_INITIALIZATION_FAILURE"},
    {105, "COMMAND_STRING_OVERFLOW"},
    {107, "WAIT_FOR_PROCESS_FAILED"},
    {108, "PATH_STRING_OVERFLOW"},
    {109, "UNABLE_TO_GET_WORK_DIRECTORY"},
    {110, "UNABLE_TO_FIND_REGISTRY_KEY"},
    {111, "PATCH_NOT_FOR_INSTALLED_VERSION"},
    {112, "UNABLE_TO_EXTRACT_CHROME_ARCHIVE"},
    {115, "UNABLE_TO_EXTRACT_SETUP_EXE"},
    {116, "UNABLE_TO_EXTRACT_SETUP"},
    {117, "UNABLE_TO_SET_DIRECTORY_ACL"},
};

}  // namespace

std::string DescribeSetupExitCode(uint32_t exit_code) {
  const uint32_t kind = exit_code >> 24;
  const uint32_t detail = exit_code & 0xFFFFFF;
  std::string text;
  for (const SetupExitCodeName& row : kSetupExitCodeNames) {
    if (row.value == kind) {
      text = std::string(row.name) + "(" + std::to_string(kind) + ")";
      break;
    }
  }
  if (text.empty())
    text = "Exit code: " + std::to_string(kind);
  return text + "; error: " + std::to_string(detail);
}

}  // namespace lite_installer
