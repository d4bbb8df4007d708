// Which side items an installation fetches beside the setup archive, as the
// distribution parameters choose them: the variations seed ("vup", default
// "1"), the A/B seed ("abtup", default "1"), the new-tab page item ("webntp"),
// the server configuration bundle ("scup") and the wallpaper bundle ("pwexp").
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_BACKGROUND_TASK_PLAN_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_BACKGROUND_TASK_PLAN_H_

#include <string>

class DistribInfoParams;

namespace lite_installer {

struct BackgroundTaskPlan {
  // Items whose file name is reserved and handed to the setup.
  bool variations_update = false;
  bool abt_update = false;
  bool webntp = false;  // a name only: nothing fills it
  bool server_config_bundle = false;
  bool preloaded_wallpaper_bundle = false;
  // The wallpaper bundle is downloaded only from a brand that names its URL;
  // the bundle's URL is that URL followed by |wallpaper_suffix|.
  bool fetch_wallpaper_bundle = false;
  std::string wallpaper_suffix;
};

// |distrib| may be null (no parameters: the defaults apply).
BackgroundTaskPlan PlanBackgroundTasks(const DistribInfoParams* distrib,
                                       const std::string& preloaded_wallpapers_url);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_BACKGROUND_TASK_PLAN_H_
