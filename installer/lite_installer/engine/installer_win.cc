#include "installer/lite_installer/engine/installer_win.h"

#include <objbase.h>
#include <windows.h>

#include <cmath>
#include <cstdio>

#include "base/win/scoped_gdi_win.h"
#include "base/win/wide.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/config/distrib_info_params.h"
#include "installer/lite_installer/engine/archive_lock_win.h"
#include "installer/lite_installer/engine/installer_clock_win.h"
#include "installer/lite_installer/engine/installer_observer.h"
#include "installer/lite_installer/engine/setup_command_line.h"
#include "installer/lite_installer/engine/shared_error_code_win.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "installer/service_origins.h"
#include "installer/stats/install_events.h"
#include "installer/stats/stat_platform_win.h"
#include "installer/util/download_writer.h"
#include "installer/util/downloader_win.h"
#include "installer/util/file_version.h"
#include "installer/util/registry_win.h"
#include "installer/util/uac_util_win.h"
#include "installer/velnor/util/trust_provider_win.h"
#include "installer/velnor/util/velnor_trust_verifier.h"
#include "logging/log_message.h"

namespace {

using installer::InstallStatSender;

constexpr DWORD kInstallThreadWaitMs = 60000;
constexpr DWORD kBrowserWindowWaitMs = 20000;

base::String16 InstallerKey() {
  return base::win::FromWide(installer::kInstallerRegistryKeyPath);
}

bool IsSet(HANDLE event) {
  return ::WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

// 32 upper-case hexadecimal digits in 8-4-4-4-12 groups; empty on failure.
base::String16 NewInstallationId() {
  GUID guid;
  if (FAILED(::CoCreateGuid(&guid)))
    return {};
  char text[40];
  std::snprintf(text, sizeof(text), "%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                guid.Data4[6], guid.Data4[7]);
  return base::ASCIIToUTF16(text);
}

// Device scale factor × 100: the forced factor when usable, else the
// screen's logical DPI over 96.
int DpiPercent() {
  const std::string forced =
      lite_installer::ProcessCommandLine().GetSwitchValueASCII("force-device-scale-factor");
  if (!forced.empty()) {
    char* end = nullptr;
    const double factor = std::strtod(forced.c_str(), &end);
    if (end && *end == '\0' && factor > 0 && factor < 100)
      return static_cast<int>(std::lround(factor * 100));
  }
  int dpi = 96;
  const base::win::ScopedGetDC screen(nullptr);
  if (screen.IsValid())
    dpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSX);
  return static_cast<int>(std::lround(dpi * 100.0 / 96.0));
}

// A browser installation already present turns "setup" into "update".
bool IsUpdate(installer::InstallStatReporter* reporter) {
  return !reporter->GetStatParam(InstallStatSender::kOldVersion).empty();
}

}  // namespace

Installer::Installer(lite_installer::InstallerObserver* observer,
                     BrandPackageInfo* brand_info,
                     DistribInfoParams* distribution_params,
                     bool run_background_tasks)
    : observer_(observer), brand_info_(brand_info), distribution_params_(distribution_params) {
  if (run_background_tasks)
    background_tasks_.emplace(brand_info, distribution_params);
  base::String16 seed;
  installer::ReadValueFromRegistry(InstallerKey(), "install_stat", &seed);
  stat_reporter_ = std::make_unique<installer::InstallStatReporter>(
      installer::GetStatSenderPlatform(), seed, installer::CreateAsyncStatRequestSender());
  if (brand_info_)
    temp_dir_ = brand_info_->temp_dir();
  const base::CommandLine& command_line = lite_installer::ProcessCommandLine();
  installer_data_path_ = command_line.GetSwitchValueNative("installerdata");
  clids_file_path_ = command_line.GetSwitchValueNative("clids-file");
  website_icon_path_ = command_line.GetSwitchValueNative("velnor-website-icon-file");
  abt_config_path_ = command_line.GetSwitchValueNative("abt-config-resource-file");
  variations_path_ = command_line.GetSwitchValueNative("variations-resource-file");
  Init(brand_info, distribution_params);
}

Installer::~Installer() {
  if (install_thread_.IsValid()) {
    ::SetEvent(stop_event_.Get());
    if (::WaitForSingleObject(install_thread_.Get(), kInstallThreadWaitMs) == WAIT_TIMEOUT) {
      LOG(ERROR) << "Failed to wait for install async exit. Terminate install_thread_";
      ::TerminateThread(install_thread_.Get(), 0);
    }
  }
  elevated_holder_.reset();
  stat_reporter_.reset();
  background_tasks_.reset();
}

void Installer::Init(BrandPackageInfo* brand_info, DistribInfoParams* distribution_params) {
  if (brand_info && distribution_params)
    test_ids_ = lite_installer::CombineBrandAndDistribTestIds(*brand_info, *distribution_params);
  else if (brand_info)
    test_ids_ = brand_info->info().test_ids;
  stat_reporter_->SetStatParam(InstallStatSender::kTestIds,
                               lite_installer::JoinTestIds(test_ids_, "%3B"));
  stat_reporter_->SetStatParam(InstallStatSender::kBrandId,
                               brand_info ? brand_info->info().brand_id : "unknown");
  stat_reporter_->SetStatParam(InstallStatSender::kPartnerId,
                               brand_info ? brand_info->info().partner_id : "unknown");
  if (distribution_params) {
    std::string value;
    if (distribution_params->GetValue("banerid", &value))
      stat_reporter_->SetStatParam(InstallStatSender::kBannerId, value);
    if (distribution_params->GetValue("distr_velnoruid", &value))
      stat_reporter_->SetStatParam(InstallStatSender::kDistrVelnorUid, value);
    if (distribution_params->GetValue("velnoruid", &value))
      stat_reporter_->SetStatParam(InstallStatSender::kVelnorUid, value);
  }
  stop_event_.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  install_gate_event_.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
}

bool Installer::InstallAsync() {
  ::ResetEvent(stop_event_.Get());
  ::ResetEvent(install_gate_event_.Get());
  install_thread_.Reset(
      ::CreateThread(nullptr, 0, &Installer::InstallThreadMain, this, 0, nullptr));
  return install_thread_.IsValid();
}

DWORD WINAPI Installer::InstallThreadMain(void* self) {
  static_cast<Installer*>(self)->Install();
  return 0;
}

void Installer::InstallNow() {
  ::ResetEvent(stop_event_.Get());
  install_start_time_ = lite_installer::UnbiasedNowUs();
  ::SetEvent(install_gate_event_.Get());
  Install();
}

void Installer::SetOkButtonPressedTime() {
  ok_button_pressed_time_ = lite_installer::UnbiasedNowUs();
}

void Installer::StartInstallation() {
  install_start_time_ = lite_installer::UnbiasedNowUs();
  ::SetEvent(install_gate_event_.Get());
}

void Installer::SetMakeDefault(bool make_default) {
  const lite_installer::WindowsVersionClass windows = WindowsClass();
  // Windows 8 and 8.1 let only the user choose the default browser.
  make_default_ = (windows == lite_installer::kWindows8 || windows == lite_installer::kWindows81)
                      ? false
                      : make_default;
}

void Installer::SetInstallationType(const std::string& type) {
  installation_type_ = type;
  stat_reporter_->SetStatParam(InstallStatSender::kBrowserPresent, type);
}

bool Installer::WaitForInstallAsync() {
  if (!install_thread_.IsValid())
    return true;
  ::SetEvent(stop_event_.Get());
  return ::WaitForSingleObject(install_thread_.Get(), kInstallThreadWaitMs) == WAIT_OBJECT_0;
}

void Installer::SendEvent(const installer::StatEvent& event) {
  stat_reporter_->SendEvent(event);
}

bool Installer::StopRequested() const {
  return IsSet(stop_event_.Get());
}

void Installer::Install() {
  SendEvent(installer::InstallerStartedEvent(DpiPercent(), ::GetSystemMetrics(SM_CXSCREEN),
                                             ::GetSystemMetrics(SM_CYSCREEN)));
  installation_id_ = NewInstallationId();
  if (brand_info_)
    brand_info_->SaveLanguageToRegistry();
  ExtractInstallerDataIfAbsent(temp_dir_);
  const base::String16 key = InstallerKey();
  installer::StoreValueInRegistry(key, "InstallerData", installer_data_path_);
  installer::StoreValueInRegistry(key, "ClidsFile", clids_file_path_);
  installer::StoreValueInRegistry(key, "VelnorWebsiteIconFile", website_icon_path_);
  installer::StoreValueInRegistry(key, "AbtConfigResourceFile", abt_config_path_);
  installer::StoreValueInRegistry(key, "VariationsResourceFile", variations_path_);
  if (brand_info_)
    brand_info_->SaveToRegistry();

  int result = InstallBrowser();
  const bool success = result == kInstallSuccess;
  if (!success) {
    const int32_t shared = lite_installer::GetSharedErrorCode();
    if (result == kInstallFailed && shared != 0)
      result = shared;
    if (observer_ && (!StopRequested() || shared != 0))
      observer_->OnInstallError(result);
  } else {
    installer::RemoveValueFromRegistry(key, "InstallerData");
    installer::RemoveValueFromRegistry(key, "ClidsFile");
    installer::RemoveValueFromRegistry(key, "VelnorWebsiteIconFile");
    installer::RemoveValueFromRegistry(key, "DistribInfoParams");
    if (brand_info_) {
      brand_info_->RemoveFromRegistry();
      if (!brand_info_->brand_package_path().empty())
        ::DeleteFileW(base::win::AsWide(brand_info_->brand_package_path()));
      if (!brand_info_->partner_package_path().empty())
        ::DeleteFileW(base::win::AsWide(brand_info_->partner_package_path()));
    }
  }

  if (observer_) {
    // The started browser announces itself with a message-only window; the
    // window stays until the browser is up or the user closes it.
    while (::WaitForSingleObject(stop_event_.Get(), kBrowserWindowWaitMs) == WAIT_TIMEOUT) {
      if (!::FindWindowExW(HWND_MESSAGE, nullptr, L"VelnorBrowser_MessageWindow", nullptr)) {
        observer_->OnInstallFinished(1);
        break;
      }
    }
  }
  ReportInstallationFinished(success);
}

int Installer::InstallBrowser() {
  LOG(INFO) << "Install Browser.";
  module_path_ = GetModulePath();
  if (module_path_.empty())
    return kInstallFailed;
  std::string lock_value;
  const bool permanent_lock =
      distribution_params_ &&
      distribution_params_->GetValue("setup_arc_permanent_lock", &lock_value) &&
      !lock_value.empty();
  LOG(INFO) << "Executable path: " << module_path_;
  ::DeleteFileW(base::win::AsWide(module_path_));
  // The archive never outlives this run, whatever its outcome.
  struct ArchiveRemover {
    const base::String16& path;
    ~ArchiveRemover() { ::DeleteFileW(base::win::AsWide(path)); }
  } remover{module_path_};

  lite_installer::ArchiveLock archive_lock;
  const int64_t t0 = lite_installer::WallClockUs();
  const int download_result = GetModule(module_path_, permanent_lock ? &archive_lock : nullptr);
  if (download_result != kInstallSuccess)
    return download_result;

  const int64_t t1 = lite_installer::WallClockUs();
  const HANDLE waits[] = {stop_event_.Get(), install_gate_event_.Get()};
  if (::WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) {
    PLOG(ERROR) << "Installation after download event isn't in signal state or installation was "
                   "stopped early.";
    return kInstallFailed;
  }

  const int64_t t2 = lite_installer::WallClockUs();
  base::win::ScopedHandle read_lock;
  if (permanent_lock) {
    if (!archive_lock.Lock()) {
      SendEvent(installer::ArchiveLockErrorEvent());
      LOG(ERROR) << "Cannot lock file: " << module_path_;
      return kInstallFailed;
    }
  } else {
    read_lock.Reset(::CreateFileW(base::win::AsWide(module_path_), GENERIC_READ | GENERIC_EXECUTE,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!read_lock.IsValid()) {
      LOG(ERROR) << "Cannot lock file: " << module_path_;
      return kInstallFailed;
    }
  }

  if (!VerifyDownloadedModule(module_path_)) {
    LOG(ERROR) << "Module verification failed: " << module_path_;
    exit_code_ = lite_installer::kExitModuleVerificationFailed;
    SendEvent(installer::VerificationErrorEvent());
    return kInstallFailed;
  }
  LOG(INFO) << "Verification succeeded: " << module_path_;
  const int64_t t3 = lite_installer::WallClockUs();
  stat_reporter_->StoreStatParams();
  const bool elevated = elevated_holder_ != nullptr;
  const installer::UacKind uac = !InstallUACUtil::AreUACNotificationsEnabled()
                                     ? installer::UacKind::kNoPrompts
                                 : elevated ? installer::UacKind::kElevatedCopy
                                            : installer::UacKind::kInThisProcess;
  SendEvent(installer::SetupLaunchedEvent(IsUpdate(stat_reporter_.get()), uac));

  bool ok = false;
  if (elevated) {
    if (!ElevatedProcessHolder::WriteDelayedParams(DelayedParamsFor(module_path_))) {
      LOG(ERROR) << "Unexpected error in CreateDelayedParamsMapping()";
      return kInstallFailed;
    }
    ok = RunModuleInElevatedProcess();
  } else {
    const base::CommandLine command_line = BuildSetupCommandLine(module_path_, true);
    ok = RunModule(module_path_, command_line);
    run_result_ = ok;
  }
  read_lock.Reset();
  archive_lock.Close();

  const int64_t t4 = lite_installer::WallClockUs();
  setup_time_ = t4 - t3;
  SendEvent(installer::SetupExitedEvent(IsUpdate(stat_reporter_.get()), ok,
                                        static_cast<uint32_t>(exit_code_), elevated, setup_time_));
  if (ok) {
    elevated_holder_.reset();
    const bool browser_will_not_start =
        lite_installer::ProcessCommandLine().HasSwitch("do-not-launch-browser") || !run_result_;
    if (browser_will_not_start && observer_) {
      observer_->SetProgress(100);
      observer_->OnInstallFinished(1);
      observer_ = nullptr;
    }
    full_time_ = (t1 - t0) + (t4 - t2);
    return kInstallSuccess;
  }
  if (elevated) {
    const int32_t shared = lite_installer::GetSharedErrorCode();
    elevated_holder_.reset();
    return shared != 0 ? shared : kInstallFailed;
  }
  return kInstallFailed;
}

lite_installer::DelayedParamsValues Installer::DelayedParamsFor(const base::String16& module_path) {
  lite_installer::DelayedParamsValues values;
  values.browser_arc_path = module_path;
  values.clids_file_path = clids_file_path_;
  values.website_icon_file_path = website_icon_path_;
  values.installer_data_path = installer_data_path_;
  if (brand_info_ && brand_info_->has_brand_package())
    values.brand_package_path = brand_info_->brand_package_path();
  if (brand_info_ && brand_info_->has_partner_package())
    values.partner_package_path = brand_info_->partner_package_path();
  values.partner_package_override_path = partner_override_path_;
  values.histogram_download_time = base::ASCIIToUTF16(std::to_string(download_time_ / 1000000));
  values.histogram_full_time = base::ASCIIToUTF16(std::to_string(install_start_time_));
  values.send_statistics = send_statistics_;
  values.make_default = make_default_;
  values.install_vnpin = install_pin_;
  return values;
}

int Installer::GetModule(const base::String16& path, lite_installer::ArchiveLock* lock) {
  const int64_t start = lite_installer::WallClockUs();
  bool downloaded = false;
  const int result = DownloadOrExtractModule(path, &downloaded, lock);
  download_time_ = lite_installer::WallClockUs() - start;
  if (result != kInstallSuccess) {
    LOG(ERROR) << "Module was not downloaded: " << path;
    // A repeated run after a failed installation says so in its statistics.
    std::string code;
    if (distribution_params_ && distribution_params_->GetValue("code", &code) &&
        code == "lite_install_failed") {
      stat_reporter_->SetStatParam(InstallStatSender::kInstallType, "lite_install_failed");
    }
    exit_code_ = lite_installer::kExitModuleNotObtained;
    return result;
  }
  LOG(INFO) << "Module downloaded: " << path;
  stat_reporter_->SetStatParam(InstallStatSender::kNewVersion, GetFileVersionString(path));
  stat_reporter_->SetStatParam(InstallStatSender::kInstallType, "normal");
  SendEvent(installer::DownloadFinishedEvent(download_time_));
  return kInstallSuccess;
}

bool Installer::VerifyDownloadedModule(const base::String16& path) {
  return VerifyModuleWithList(path, ReadTrustedList(path));
}

std::string Installer::ReadTrustedList(const base::String16& path) {
  return install_util::VelnorTrustVerifier::GetTrustJsonFromModule(path);
}

bool Installer::VerifyModuleWithList(const base::String16& path, const std::string& trusted_list) {
  install_util::TrustProviderWin provider;
  install_util::VelnorTrustVerifier verifier(trusted_list, &provider);
  return verifier.VerifyModule(path, false);
}

bool Installer::Download(const std::string& url,
                         installer::DownloadWriter* writer,
                         std::string* error_text,
                         std::string* redirect_url) {
  LOG(INFO) << "Attempt to download module: " << url;
  writer->Reset();
  return installer::DownloadFile(base::UTF8ToUTF16(url), writer, error_text, redirect_url, nullptr,
                                 stop_event_.Get(), nullptr, nullptr);
}

void Installer::ReportInstallationFinished(bool success) {
  const installer::RunOutcome outcome = stop_requests_.load() >= 1
                                            ? installer::RunOutcome::kCancelled
                                        : success ? installer::RunOutcome::kSuccess
                                                  : installer::RunOutcome::kFailed;
  const std::string url = installer::InstallationFinishedUrl(
      installer::kStatsStorageOrigin, base::UTF16ToUTF8(installation_id_), outcome, full_time_,
      download_time_, setup_time_);
  // The service answers with a short acknowledgement that nobody reads.
  constexpr uint32_t kMaxAnswerSize = 64 * 1024;
  installer::StringDownloadWriter answer(kMaxAnswerSize);
  std::string error_text;
  std::string redirect_url;
  if (!Download(url, &answer, &error_text, &redirect_url))
    LOG(ERROR) << "Cannot report installation status: " << error_text;
}
