// Side downloads that run while the setup archive downloads: the variations
// and A/B seeds, the server configuration bundle and the wallpaper bundle,
// each into a file whose name is reserved up front and handed to setup.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_ASYNC_INSTALL_TASKS_WIN_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_ASYNC_INSTALL_TASKS_WIN_H_

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/strings.h"
#include "base/win/scoped_handle_win.h"
#include "installer/lite_installer/engine/setup_command_line.h"

class BrandPackageInfo;
class DistribInfoParams;

namespace lite_installer {

// The server configuration bundle URL for a brand and partner.
std::string ServerConfigBundleUrl(const std::string& origin,
                                  const std::string& brand_id,
                                  const std::string& partner_id);

class AsyncInstallTasks {
 public:
  // Either pointer may be null. Starts the thread when there is work.
  AsyncInstallTasks(const BrandPackageInfo* brand_info, const DistribInfoParams* distrib);
  AsyncInstallTasks(const AsyncInstallTasks&) = delete;
  AsyncInstallTasks& operator=(const AsyncInstallTasks&) = delete;
  // Stops and joins the thread, then deletes the seeds and the bundle.
  ~AsyncInstallTasks();

  const BackgroundTaskPaths& paths() const { return paths_; }

 private:
  bool InitializeThread();
  static DWORD WINAPI ThreadMain(void* self);

  BackgroundTaskPaths paths_;
  base::win::ScopedHandle thread_;
  base::win::ScopedHandle stop_event_;
  std::vector<std::function<void()>> tasks_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_ASYNC_INSTALL_TASKS_WIN_H_
