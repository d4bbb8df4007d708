// Handing the installation to the setup program: the data files it reads,
// its command line, and its start and wait.
#include <windows.h>

#include "base/win/file_io_win.h"
#include "base/win/resource_bytes_win.h"
#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/config/distrib_info_params.h"
#include "installer/lite_installer/engine/installer_observer.h"
#include "installer/lite_installer/engine/installer_win.h"
#include "installer/lite_installer/engine/setup_command_line.h"
#include "installer/lite_installer/engine/setup_exit_code.h"
#include "installer/lite_installer/engine/shared_error_code_win.h"
#include "installer/lite_installer/exit_codes.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "logging/log_message.h"
#include "resources/resource_ids.h"

namespace {

constexpr uint16_t kMasterPreferencesId = IDR_MASTER_PREFERENCES;
constexpr uint16_t kClidsId = IDR_CLIDS;
constexpr uint16_t kWebsiteIconId = IDR_WEBSITE_ICON;

// The bytes of a "BIN" resource of this program; empty when there is none.
std::string_view BinResource(const wchar_t* name) {
  return base::win::ResourceBytes(::GetModuleHandleW(nullptr), name, L"BIN");
}

// Creates the file in every case, so that a missing resource leaves an empty
// file; true only when there were bytes and all of them were written.
bool WriteBinResource(const wchar_t* name, const base::String16& path) {
  const std::string_view bytes = BinResource(name);
  return base::win::WriteWholeFile(path, bytes) && !bytes.empty();
}

}  // namespace

bool Installer::WriteResourceToFile(uint16_t resource_id, const base::String16& path) {
  return WriteBinResource(MAKEINTRESOURCEW(resource_id), path);
}

bool Installer::WriteResourceToFile(const wchar_t* resource_name, const base::String16& path) {
  return WriteBinResource(resource_name, path);
}

void Installer::ExtractInstallerDataIfAbsent(const base::String16& directory) {
  struct ById {
    uint16_t id;
    const char16_t* file_name;
    base::String16* field;
  };
  for (const ById& item : {ById{kMasterPreferencesId, u"master_preferences", &installer_data_path_},
                           ById{kClidsId, u"clids.xml", &clids_file_path_},
                           ById{kWebsiteIconId, u"website.ico", &website_icon_path_}}) {
    if (!item.field->empty())
      continue;
    *item.field = directory + item.file_name;
    if (!WriteResourceToFile(item.id, *item.field))
      LOG(WARNING) << "Failed to extract resource " << item.id;
  }
  struct ByName {
    const wchar_t* resource;
    const char16_t* file_name;
    base::String16* field;
  };
  for (const ByName& item : {ByName{L"ABT_CONFIG", u"abt_config_resource", &abt_config_path_},
                             ByName{L"VARIATIONS", u"variations_resource", &variations_path_}}) {
    if (!item.field->empty())
      continue;
    *item.field = directory + item.file_name;
    if (!WriteResourceToFile(item.resource, *item.field)) {
      LOG(WARNING) << "Failed to extract resource " << item.file_name;
      item.field->clear();
    }
  }
}

base::CommandLine Installer::BuildSetupCommandLine(const base::String16& program,
                                                   bool with_file_switches) {
  lite_installer::SetupCommandLineInputs inputs;
  inputs.installer_command_line = lite_installer::ProcessCommandLine();
  inputs.brand = brand_info_;
  inputs.distrib = distribution_params_;
  inputs.uac_declined = uac_declined_;
  inputs.progress_window = observer_ ? observer_->GetWindowHandle() : 0;
  inputs.make_default = make_default_;
  inputs.send_statistics = send_statistics_;
  inputs.install_pin = install_pin_;
  inputs.ok_button_pressed_time = ok_button_pressed_time_;
  inputs.install_start_time = install_start_time_;
  inputs.installer_data_path = installer_data_path_;
  inputs.clids_file_path = clids_file_path_;
  inputs.website_icon_path = website_icon_path_;
  inputs.abt_config_path = abt_config_path_;
  inputs.variations_path = variations_path_;
  inputs.partner_override_path = partner_override_path_;
  inputs.installation_type = installation_type_;
  inputs.test_ids = test_ids_;
  inputs.background_tasks = background_tasks_ ? &background_tasks_->paths() : nullptr;
  inputs.run_result = run_result_;
  return lite_installer::BuildSetupCommandLine(inputs, program, with_file_switches);
}

bool Installer::RunModule(const base::String16& module_path,
                          const base::CommandLine& command_line) {
  base::CommandLine line = command_line;
  line.SetProgram(module_path);
  line.AppendSwitchASCII("source", "lite");
  return RunModuleAndWait(nullptr, line.GetCommandLineString(), &exit_code_);
}

bool Installer::RunModuleAndWait(const wchar_t* application_name,
                                 const base::String16& command_line,
                                 int* exit_code) {
  LOG(INFO) << "Run: " << command_line;
  if (exit_code)
    *exit_code = lite_installer::kExitNoSetupResult;
  std::wstring writable(base::win::AsWide(command_line));
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessW(application_name, writable.data(), nullptr, nullptr, FALSE,
                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process)) {
    if (::GetLastError() == ERROR_EXE_MACHINE_TYPE_MISMATCH)
      lite_installer::SetSharedErrorCode(kInstallMachineTypeMismatch);
    PLOG(ERROR) << "Create process failed.";
    return false;
  }
  base::win::ScopedHandle process_handle(process.hProcess);
  base::win::ScopedHandle thread_handle(process.hThread);
  LOG(INFO) << "Process created: " << static_cast<uint32_t>(process.dwProcessId);
  if (observer_) {
    observer_->SetProgress(40);
    observer_->OnSetupStarted();
  }
  thread_handle.Reset();  // Only the process is waited for.
  LOG(INFO) << "Wait for process finish.";
  if (::WaitForSingleObject(process_handle.Get(), INFINITE) != WAIT_OBJECT_0) {
    PLOG(ERROR) << "Wait process failed.";
    return false;
  }
  if (!exit_code)
    return true;
  DWORD code = 0;
  const bool got_code = ::GetExitCodeProcess(process_handle.Get(), &code);
  if (!got_code)
    PLOG(ERROR) << "Get setup process exit code failed.";
  else
    *exit_code = static_cast<int>(code);
  LOG(INFO) << "Setup process exit with code: "
            << lite_installer::DescribeSetupExitCode(static_cast<uint32_t>(*exit_code));
  const int32_t result = lite_installer::SetupExitCodeResult(*exit_code);
  if (result != kInstallSuccess) {
    lite_installer::SetSharedErrorCode(result);
    return false;
  }
  return got_code;
}
