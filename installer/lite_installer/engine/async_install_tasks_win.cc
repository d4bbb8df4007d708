#include "installer/lite_installer/engine/async_install_tasks_win.h"

#include <utility>

#include "base/win/wide.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/config/distrib_info_params.h"
#include "installer/lite_installer/engine/background_task_plan.h"
#include "installer/lite_installer/temp_path_win.h"
#include "installer/service_origins.h"
#include "installer/util/downloader_win.h"
#include "installer/util/user_id_platform_win.h"
#include "installer/util/variations_win.h"
#include "logging/log_message.h"

namespace lite_installer {
namespace {

// A unique name in the temporary directory: the file is created to claim the
// name and deleted again, so that a failed task leaves nothing behind.
base::String16 ReserveTempName() {
  const base::String16 directory = GetTempDirectory();
  wchar_t name[MAX_PATH] = {};
  if (directory.empty() || !::GetTempFileNameW(base::win::AsWide(directory), L"vbt", 0, name))
    return {};
  ::DeleteFileW(name);
  return base::win::FromWide(name);
}

void DownloadServerConfigBundle(const std::string& brand_id,
                                const std::string& partner_id,
                                const base::String16& path,
                                HANDLE stop_event) {
  installer::Downloader downloader;
  if (!downloader.DownloadToFile(
          ServerConfigBundleUrl(installer::kConfigOrigin, brand_id, partner_id), path,
          stop_event)) {
    LOG_AT(ERROR, "async_install_tasks")
        << "Failed to download server config bundle: " << downloader.error_text();
  }
}

void DownloadWallpaperBundle(const std::string& base_url,
                             const std::string& suffix,
                             const base::String16& path,
                             HANDLE stop_event) {
  installer::Downloader downloader;
  if (!downloader.DownloadToFile(base_url + suffix, path, stop_event))
    LOG_AT(ERROR, "async_install_tasks")
        << "Failed to download wallpaper bundle: " << downloader.error_text();
}

}  // namespace

std::string ServerConfigBundleUrl(const std::string& origin,
                                  const std::string& brand_id,
                                  const std::string& partner_id) {
  std::string query;
  if (!brand_id.empty())
    query = "brandID=" + brand_id;
  if (!brand_id.empty() && !partner_id.empty())
    query += "&";
  if (!partner_id.empty())
    query += "partnerID=" + partner_id;
  std::string url = origin + "/configs/all_zip";
  if (!query.empty())
    url += "?" + query;
  return url;
}

AsyncInstallTasks::AsyncInstallTasks(const BrandPackageInfo* brand_info,
                                     const DistribInfoParams* distrib)
    : stop_event_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  const BrandInfo empty_brand;
  const BrandInfo& brand = brand_info ? brand_info->info() : empty_brand;
  const BackgroundTaskPlan plan = PlanBackgroundTasks(distrib, brand.preloaded_wallpapers_url);
  const std::pair<bool, base::String16*> items[] = {
      {plan.variations_update, &paths_.variations_update},
      {plan.abt_update, &paths_.abt_update},
      {plan.webntp, &paths_.webntp},
      {plan.server_config_bundle, &paths_.server_config_bundle},
      {plan.preloaded_wallpaper_bundle, &paths_.preloaded_wallpaper_bundle},
  };
  for (const auto& [wanted, path] : items) {
    if (wanted)
      *path = ReserveTempName();
  }

  HANDLE stop = stop_event_.Get();
  if (!paths_.variations_update.empty() || !paths_.abt_update.empty()) {
    const std::string uid = broupdater::GetUserId();
    if (!paths_.variations_update.empty()) {
      const std::string url = brand_info ? brand_info->GetVariationsUrl(uid) : std::string();
      const base::String16 path = paths_.variations_update;
      tasks_.push_back(
          [url, path, stop] { installer::DownloadAndSaveVariations(url, path, stop); });
    }
    if (!paths_.abt_update.empty()) {
      const std::string url = brand_info ? brand_info->GetAbtUrl(uid) : std::string();
      const base::String16 path = paths_.abt_update;
      tasks_.push_back(
          [url, path, stop] { installer::DownloadAndSaveVariations(url, path, stop); });
    }
  }
  if (!paths_.server_config_bundle.empty()) {
    const std::string brand_id = brand.brand_id;
    const std::string partner_id = brand.partner_id;
    const base::String16 path = paths_.server_config_bundle;
    tasks_.push_back([brand_id, partner_id, path, stop] {
      DownloadServerConfigBundle(brand_id, partner_id, path, stop);
    });
  }
  if (!paths_.preloaded_wallpaper_bundle.empty() && plan.fetch_wallpaper_bundle) {
    const std::string suffix = plan.wallpaper_suffix;
    const std::string base_url = brand.preloaded_wallpapers_url;
    const base::String16 path = paths_.preloaded_wallpaper_bundle;
    tasks_.push_back(
        [base_url, suffix, path, stop] { DownloadWallpaperBundle(base_url, suffix, path, stop); });
  }
  if (!tasks_.empty())
    InitializeThread();
}

bool AsyncInstallTasks::InitializeThread() {
  thread_.Reset(::CreateThread(nullptr, 0, &AsyncInstallTasks::ThreadMain, this, 0, nullptr));
  if (!thread_.IsValid()) {
    PLOG(ERROR) << "Failed to create thread for async install tasks";
    return false;
  }
  return true;
}

DWORD WINAPI AsyncInstallTasks::ThreadMain(void* self) {
  auto* tasks = static_cast<AsyncInstallTasks*>(self);
  for (const auto& task : tasks->tasks_) {
    if (::WaitForSingleObject(tasks->stop_event_.Get(), 0) == WAIT_OBJECT_0)
      break;
    task();
  }
  return 0;
}

AsyncInstallTasks::~AsyncInstallTasks() {
  if (thread_.IsValid()) {
    ::SetEvent(stop_event_.Get());
    ::WaitForSingleObject(thread_.Get(), INFINITE);
  }
  for (const base::String16* path :
       {&paths_.variations_update, &paths_.abt_update, &paths_.server_config_bundle}) {
    if (!path->empty())
      ::DeleteFileW(base::win::AsWide(*path));
  }
  tasks_.clear();
  thread_.Reset();
}

}  // namespace lite_installer
