// The process entry point: decides which kind of run this process is (the
// interface probe, a refused or replaced run, the elevated child, or the
// normal run) and carries it to an exit code.
#include <windows.h>

#include <memory>

#include "base/win/wide.h"
#include "crash/scoped_crash_reporter.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/config/brand_platform_win.h"
#include "installer/lite_installer/config/distrib_info_params.h"
#include "installer/lite_installer/config/distrib_platform_win.h"
#include "installer/lite_installer/elevation/elevated_child_win.h"
#include "installer/lite_installer/engine/installer_win.h"
#include "installer/lite_installer/exit_codes.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "installer/lite_installer/startup/bring_window_to_top_win.h"
#include "installer/lite_installer/startup/instance_mutex_win.h"
#include "installer/lite_installer/startup/master_process_id_win.h"
#include "installer/lite_installer/startup/secure_environment_win.h"
#include "installer/lite_installer/temp_path_win.h"
#include "installer/lite_installer/ui/lite_main_window_win.h"
#include "installer/lite_installer/ui/message_dialog_factory_win.h"
#include "installer/lite_installer/ui/string_table_win.h"
#include "installer/lite_installer/ui/ui_platform_scope_win.h"
#include "installer/util/disk_space.h"
#include "installer/velnor/util/default_browser_probe.h"
#include "logging/file_logger.h"
#include "logging/log_file_system_win.h"
#include "logging/log_message.h"
#include "resources/resource_ids.h"

namespace {

constexpr int64_t kLogFileMaxSize = 1048576;
constexpr uint64_t kRequiredDiskSpace = 629145600;  // 600 MiB

constexpr DWORD kFeatureSse2 = 10;  // PF_XMMI64_INSTRUCTIONS_AVAILABLE
constexpr DWORD kFeatureSse3 = 13;  // PF_SSE3_INSTRUCTIONS_AVAILABLE

constexpr uint32_t kCpuCaptionId = IDS_INSTALLER_TITLE;
constexpr uint32_t kCpuTextId = IDS_INSTALL_IMPOSSIBLE;
constexpr uint32_t kNoSse2TextId = IDS_NO_SSE2;
constexpr uint32_t kNoSse3TextId = IDS_NO_SSE3;

void InstallFileLogger(const base::String16& temp_dir) {
  logging::InstallLogSink(std::make_unique<logging::FileLogger>(
      temp_dir + u"lite_installer.log", kLogFileMaxSize, logging::CreateWinLogFileSystem()));
}

void SetConfigurationCrashKeys(const DistribInfoParams& distrib, const BrandPackageInfo& brand) {
  for (const auto& [key, value] : distrib.params())
    crashpad::SetCrashKey(key, value);
  crashpad::SetCrashKey("brand_id", brand.info().brand_id);
  crashpad::SetCrashKey("brand_name", brand.info().brand_name);
  crashpad::SetCrashKey("default_language", brand.info().language);
}

void ShowMessage(uint32_t caption_id, const base::String16& text, uint16_t language_id) {
  const base::String16 caption = lite_installer::LoadResourceString(caption_id, language_id);
  ::MessageBoxW(nullptr, base::win::AsWide(text), base::win::AsWide(caption), MB_OK);
}

void ShowCpuNotSupported(bool has_sse3, uint16_t language_id) {
  ShowMessage(
      kCpuCaptionId,
      lite_installer::LoadResourceString(kCpuTextId, language_id) + u"\n" +
          lite_installer::LoadResourceString(has_sse3 ? kNoSse2TextId : kNoSse3TextId, language_id),
      language_id);
}

int InstallSilently(const base::CommandLine& command_line,
                    BrandPackageInfo* brand,
                    DistribInfoParams* distrib) {
  Installer installer(nullptr, brand, distrib, true);
  installer.SetMakeDefault(command_line.HasSwitch("make-browser-default-after-import"));
  installer.SetSendStatistics(command_line.HasSwitch("send-statistics") ||
                              brand->info().send_statistics < kTriStateFalse);
  installer.SetInstallPin(!command_line.HasSwitch("disablevnpin"));
  installer.InstallNow();
  return installer.GetExitCode();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  int exit_code = 0;
  const lite_installer::SecureEnvironmentResult outcome =
      lite_installer::CheckSecureEnvironment(&exit_code);

  crashpad::ScopedCrashReporter crash_reporter;
  crashpad::SetCrashKey("ptype", "installer");
  InstallFileLogger(lite_installer::GetTempDirectory());
  LOG(INFO) << "-------------------------------------- Start install.";

  if (HandleWin10DefaultBrowserCommand(&exit_code)) {
    LOG(INFO) << "Handled non install cmd line option by win10 default browser helper, ret code: "
              << exit_code;
    return exit_code;
  }
  const lite_installer::SecureEnvironmentStep step =
      lite_installer::StepForSecureEnvironment(outcome, exit_code);
  if (step.log_line)
    LOG(INFO) << step.log_line;
  if (step.end_run)
    return step.exit_code;

  const base::CommandLine& command_line = lite_installer::ProcessCommandLine();
  if (command_line.HasSwitch("run-as-admin"))
    return lite_installer::RunElevatedChild();

  // The normal run. Objects below are destroyed in reverse order on every
  // return: configuration, mutex, then the UI platform scope.
  lite_installer::UiPlatformScope ui_platform;
  LOG(INFO) << "Lite installer mode.";

  lite_installer::InstanceMutex instance_mutex;
  if (!instance_mutex.TryOwn()) {
    const uint32_t master_id = lite_installer::GetMasterProcessId();
    LOG(INFO) << "Another installer instance is already running.";
    LOG(INFO) << "Master installer process id: " << master_id;
    lite_installer::BringProcessWindowToTop(master_id);
    return lite_installer::kExitAnotherInstanceRunning;
  }
  lite_installer::SetMasterProcessId(::GetCurrentProcessId());
  LOG(INFO) << "Installer process id: " << static_cast<uint32_t>(::GetCurrentProcessId());

  const bool silent = command_line.HasSwitch("silent");
  const bool system_level = command_line.HasSwitch("system-level");
  const std::string brand_name = command_line.GetSwitchValueASCII("brand-name");

  const base::String16 temp_dir = lite_installer::GetTempDirectory();
  LOG(INFO) << "Temporary path is: " << temp_dir;

  DistribPlatformWin distrib_platform;
  DistribInfoParams distrib(&distrib_platform);
  distrib.Load(command_line);
  BrandPlatformWin brand_platform;
  BrandPackageInfo brand(temp_dir, &brand_platform);
  brand.GetInfo(brand_name);
  std::string language;
  if (distrib.GetValue("lang", &language))
    brand.info().language = language;
  brand.FillDefaults();
  SetConfigurationCrashKeys(distrib, brand);
#if defined(LITE_TEST_HOOKS)
  // Test builds only: a crash once every crash key of the run is set, for
  // the crash reporter's end-to-end test and the demo.
  if (command_line.HasSwitch("lite-test-crash"))
    *static_cast<volatile int*>(nullptr) = 0;
#endif
  const uint16_t language_id = brand.info().language_id;

  const bool has_sse2 = ::IsProcessorFeaturePresent(kFeatureSse2);
  const bool has_sse3 = ::IsProcessorFeaturePresent(kFeatureSse3);
  if (!has_sse2 || !has_sse3) {
    PLOG(ERROR) << "CPU is not supported";
    if (!silent)
      ShowCpuNotSupported(has_sse3, language_id);
    return lite_installer::kExitCpuNotSupported;
  }

  const bool enough_space = installer::HasEnoughDiskSpace(system_level, kRequiredDiskSpace);
  if (silent) {
    LOG(INFO) << "Installing in silent mode.";
    exit_code = InstallSilently(command_line, &brand, &distrib);
  } else if (enough_space) {
    lite_installer::LiteMainWindow window(&brand, &distrib, true);
    if (window.DoModal() == 1) {
      exit_code = window.installer()->GetExitCode();
    } else {
      LOG(INFO) << "User cancelled installation.";
      exit_code = lite_installer::kExitUserCancelled;
    }
  } else {
    lite_installer::ShowDiskSpaceRefusal(language_id);
    exit_code = lite_installer::kExitNotEnoughDiskSpace;
  }
  LOG(INFO) << "Installer exit with code: " << exit_code;
  return exit_code;
}
