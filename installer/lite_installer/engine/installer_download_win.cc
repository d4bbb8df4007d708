// The download half of obtaining the setup archive: the file that holds it,
// the URL list and the attempt loop.
#include <windows.h>
#include <wininet.h>

#include "base/win/wide.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/engine/archive_lock_win.h"
#include "installer/lite_installer/engine/download_resume.h"
#include "installer/lite_installer/engine/installer_clock_win.h"
#include "installer/lite_installer/engine/installer_progress_forwarder.h"
#include "installer/lite_installer/engine/installer_win.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "installer/service_origins.h"
#include "installer/stats/install_events.h"
#include "installer/util/downloader_win.h"
#include "installer/util/windows_version_win.h"
#include "logging/log_message.h"

namespace {

constexpr DWORD kCanonicalUrlChars = 2084;

// The host name of the URL the download ended at; empty when it cannot be
// canonicalised or split.
std::string RedirectHost(const std::string& redirect_url) {
  if (redirect_url.empty())
    return {};
  const base::String16 wide = base::UTF8ToUTF16(redirect_url);
  wchar_t canonical[kCanonicalUrlChars] = {};
  DWORD length = kCanonicalUrlChars;
  if (!::InternetCanonicalizeUrlW(base::win::AsWide(wide), canonical, &length, ICU_BROWSER_MODE))
    return {};
  wchar_t host[INTERNET_MAX_HOST_NAME_LENGTH] = {};
  URL_COMPONENTSW parts = {};
  parts.dwStructSize = sizeof(parts);
  parts.lpszHostName = host;
  parts.dwHostNameLength = INTERNET_MAX_HOST_NAME_LENGTH;
  if (!::InternetCrackUrlW(canonical, length, ICU_DECODE, &parts))
    return {};
  return base::UTF16ToUTF8(base::win::FromWide(host, parts.dwHostNameLength));
}

}  // namespace

base::String16 Installer::GetModulePath() {
  if (temp_dir_.empty())
    return {};
  wchar_t path[MAX_PATH] = {};
  if (!::GetTempFileNameW(base::win::AsWide(temp_dir_), L"vb", 0, path)) {
    PLOG(ERROR) << "Cannot obtain temp file.";
    return {};
  }
  return base::win::FromWide(path);
}

int Installer::DownloadOrExtractModule(const base::String16& path,
                                       bool* downloaded,
                                       lite_installer::ArchiveLock* lock) {
  base::win::ScopedHandle own_file;
  HANDLE file = nullptr;
  if (lock) {
    lock->Open(path);
    file = lock->IsValid() ? lock->handle() : INVALID_HANDLE_VALUE;
  } else {
    own_file.Reset(::CreateFileW(base::win::AsWide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    file = own_file.Get();
  }
  if (file == INVALID_HANDLE_VALUE || !file) {
    PLOG(ERROR) << "Cannot create file:" << path;
    return kInstallFailed;
  }
  if (ExtractBrowserSetupResource(file)) {
    *downloaded = false;
    return kInstallSuccess;
  }
  LOG(INFO) << "Try to download module:" << path;
  const int result = DownloadModule(file, lite_installer::ProcessCommandLine());
  *downloaded = result == kInstallSuccess;
  return result;
}

bool Installer::ExtractBrowserSetupResource(HANDLE) {
  return false;
}

bool Installer::IsNativeX64() {
  SYSTEM_INFO info = {};
  ::GetNativeSystemInfo(&info);
  return info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
}

std::vector<lite_installer::DownloadUrl> Installer::GetDownloadUrls(bool x64) {
  const lite_installer::WindowsVersionClass windows = WindowsClass();
  std::vector<lite_installer::DownloadUrl> urls =
      lite_installer::IsLegacyWindows(windows)
          ? lite_installer::LegacyDownloadUrls(installer::kDownloadOrigin)
          : GetDownloadUrlsFromBrandConfig(x64 ? 1 : 0, windows);
  lite_installer::MarkAsFromInstaller(&urls);
  return urls;
}

std::vector<lite_installer::DownloadUrl> Installer::GetDownloadUrlsFromBrandConfig(
    int kind,
    lite_installer::WindowsVersionClass windows) {
  const BrandInfo empty_brand;
  const BrandInfo& brand = brand_info_ ? brand_info_->info() : empty_brand;
  if (lite_installer::IsArchitectureUrlMissing(brand, kind))
    LOG(WARNING) << "Setup url x64 empty!";
  // Judged after the architecture URL, in the order the list is built.
  const bool versioned_url_allowed = IsVersionedSetupUrlAllowed(brand.setup_url_version);
  return lite_installer::GetDownloadUrlsFromBrandConfig(brand, windows, kind, versioned_url_allowed,
                                                        installer::kDownloadOrigin);
}

lite_installer::WindowsVersionClass Installer::WindowsClass() {
  const installer::WindowsVersion version = installer::GetWindowsVersion();
  return lite_installer::ClassifyWindowsVersion(version.major, version.minor);
}

bool Installer::IsVersionedSetupUrlAllowed(const std::string& url) {
  if (url.empty())
    return false;
  if (url.find('{') != std::string::npos) {
    PLOG(ERROR) << "Wrong setup url:" << url;
    return false;
  }
  wchar_t path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  const base::String16 own_path =
      length == 0 || length >= MAX_PATH ? base::String16() : base::win::FromWide(path, length);
  int64_t created = 0;
  if (!GetModuleCreationTime(own_path, &created))
    return false;
  return lite_installer::IsInstallerYoungEnough(created, lite_installer::WallClockUs());
}

bool Installer::GetModuleCreationTime(const base::String16& path, int64_t* time_us) {
  DWORD handle = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(base::win::AsWide(path), &handle);
  if (size > 0) {
    std::vector<uint8_t> block(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixed_size = 0;
    if (::GetFileVersionInfoW(base::win::AsWide(path), 0, size, block.data()) &&
        ::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixed_size) &&
        fixed && fixed_size >= sizeof(VS_FIXEDFILEINFO)) {
      const uint64_t date = static_cast<uint64_t>(fixed->dwFileDateMS) << 32 | fixed->dwFileDateLS;
      if (date != 0) {
        *time_us = static_cast<int64_t>(date);
        return true;
      }
      LOG(WARNING) << "Version time is 0 in " << path;
    } else {
      LOG(WARNING) << "File version resource is absent in " << path;
    }
  } else {
    LOG(WARNING) << "File version resource is absent in " << path;
  }
  WIN32_FILE_ATTRIBUTE_DATA attributes = {};
  if (!::GetFileAttributesExW(base::win::AsWide(path), GetFileExInfoStandard, &attributes))
    return false;
  const uint64_t created = static_cast<uint64_t>(attributes.ftCreationTime.dwHighDateTime) << 32 |
                           attributes.ftCreationTime.dwLowDateTime;
  *time_us = created == ~0ull ? INT64_MAX : static_cast<int64_t>(created / 10);
  return true;
}

bool Installer::DownloadWithProgress(const std::string& url,
                                     installer::DownloadWriter* writer,
                                     std::string* error_text,
                                     std::string* redirect_url,
                                     uint32_t* total_size,
                                     installer::DownloadProgressDelegate* delegate,
                                     installer::DownloadErrorInfo* error_info) {
  return installer::DownloadFile(base::ASCIIToUTF16(url), writer, error_text, redirect_url,
                                 total_size, stop_event_.Get(), delegate, error_info);
}

int Installer::DownloadModule(HANDLE file, const base::CommandLine& command_line) {
  installer::FileDownloadWriter writer(file);
  bool x64 = false;
  if (command_line.HasSwitch("download-x64"))
    x64 = true;
  else if (command_line.HasSwitch("download-x32"))
    x64 = false;
  else
    x64 = IsNativeX64();

  const std::vector<lite_installer::DownloadUrl> urls = GetDownloadUrls(x64);
  if (urls.empty()) {
    LOG(ERROR) << "Setup url is empty.";
    return kInstallNotDownloaded;
  }
  LOG(INFO) << "Selected download urls:";
  for (const lite_installer::DownloadUrl& url : urls)
    LOG(INFO) << url.url;

  lite_installer::InstallerProgressForwarder forwarder(observer_);
  SendEvent(installer::DownloadStartedEvent());
  for (const lite_installer::DownloadUrl& url : urls) {
    if (url.attempts <= 0)
      continue;
    writer.Reset();
    for (int attempt = 1; attempt <= url.attempts; ++attempt) {
      if (StopRequested()) {
        LOG(INFO) << "Installation stopped";
        return kInstallNotDownloaded;
      }
      std::string error_text;
      std::string redirect_url;
      uint32_t total_size = 0;
      installer::DownloadErrorInfo error_info;
      const bool ok = DownloadWithProgress(url.url, &writer, &error_text, &redirect_url,
                                           &total_size, &forwarder, &error_info);
      installer::DownloadAttempt report;
      report.success = ok;
      report.error = error_text;
      report.attempt_number = attempt;
      report.downloaded_size = writer.size();
      report.total_size = total_size;
      report.url = url.url;
      report.redirect_host = RedirectHost(redirect_url);
      report.x64 = x64;
      if (ok) {
        if (stop_requests_.load() < 1)
          SendEvent(installer::DownloadAttemptEvent(report));
        return kInstallSuccess;
      }
      if (error_info.code != 0) {
        PLOG(ERROR) << installer::FormatExceptionInfo(error_info);
        return installer::IsCryptoProConflict(error_info) ? kInstallCryptoProConflict
                                                          : kInstallNotDownloaded;
      }
      // Too little to be worth resuming: the next attempt starts over.
      if (!lite_installer::KeepsPartialDownload(writer.size(), total_size))
        writer.Reset();
      if (stop_requests_.load() < 1)
        SendEvent(installer::DownloadAttemptEvent(report));
      SendEvent(installer::DownloadErrorEvent(report));
      ::WaitForSingleObject(stop_event_.Get(), GetRetryDelay());
    }
  }
  LOG(ERROR) << "Max download attempts failed";
  return kInstallNotDownloaded;
}
