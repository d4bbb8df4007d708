#include "installer/lite_installer/engine/background_task_plan.h"

#include "installer/lite_installer/config/distrib_info_params.h"

namespace lite_installer {
namespace {

// The distribution value of |key|, or |fallback| (null: no value) when absent.
bool ItemValue(const DistribInfoParams* distrib,
               const char* key,
               const char* fallback,
               std::string* value) {
  if (distrib && distrib->GetValue(key, value))
    return true;
  if (!fallback)
    return false;
  *value = fallback;
  return true;
}

// An item given by "1" alone, or by any value that is not empty.
bool Wanted(const DistribInfoParams* distrib,
            const char* key,
            const char* fallback,
            bool any_value) {
  std::string value;
  if (!ItemValue(distrib, key, fallback, &value))
    return false;
  return any_value ? !value.empty() : value == "1";
}

}  // namespace

BackgroundTaskPlan PlanBackgroundTasks(const DistribInfoParams* distrib,
                                       const std::string& preloaded_wallpapers_url) {
  BackgroundTaskPlan plan;
  plan.variations_update = Wanted(distrib, "vup", "1", false);
  plan.abt_update = Wanted(distrib, "abtup", "1", false);
  plan.webntp = Wanted(distrib, "webntp", nullptr, false);
  plan.server_config_bundle = Wanted(distrib, "scup", nullptr, false);
  plan.preloaded_wallpaper_bundle = Wanted(distrib, "pwexp", nullptr, true);
  plan.fetch_wallpaper_bundle =
      plan.preloaded_wallpaper_bundle && !preloaded_wallpapers_url.empty();
  if (plan.fetch_wallpaper_bundle && distrib)
    distrib->GetValue("pwexp", &plan.wallpaper_suffix);
  return plan;
}

}  // namespace lite_installer
