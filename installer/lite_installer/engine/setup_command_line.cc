#include "installer/lite_installer/engine/setup_command_line.h"

#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/config/distrib_info_params.h"
#include "installer/lite_installer/config/distrib_predicates.h"
#include "logging/log_message.h"

namespace lite_installer {
namespace {

void SetBool(base::CommandLine* line, const char* name, bool value) {
  if (value)
    line->AppendSwitch(name);
  else
    line->RemoveSwitch(name);
}

// A NUL inside a value would cut the setup's command line short at that
// point and silently drop every later switch; such a parameter is dropped.
void DropValuesWithNul(base::CommandLine* line) {
  std::vector<std::string> dropped;
  for (const auto& [name, value] : line->GetSwitches()) {
    if (value.find(u'\0') != base::String16::npos)
      dropped.push_back(name);
  }
  for (const std::string& name : dropped) {
    LOG(ERROR) << "Parameter with a NUL character is dropped from the setup command line: " << name;
    line->RemoveSwitch(name);
  }
}

void SetPathIfAny(base::CommandLine* line, const char* name, const base::String16& path) {
  if (!path.empty())
    line->AppendSwitchNative(name, path);
}

}  // namespace

std::string JoinTestIds(const TestIdList& ids, const std::string& separator) {
  std::string joined;
  for (const auto& [id, value] : ids) {
    if (!joined.empty())
      joined += separator;
    joined += id;
    if (!value.empty())
      joined += "/" + value;
  }
  return joined;
}

base::CommandLine BuildSetupCommandLine(const SetupCommandLineInputs& in,
                                        const base::String16& program,
                                        bool with_file_switches) {
  base::CommandLine line = in.installer_command_line;
  line.SetProgram(program);
  if (in.uac_declined)
    line.AppendSwitch("disable-uac");
  line.AppendSwitchASCII("progress-window", std::to_string(in.progress_window));
  line.AppendSwitch("verbose-logging");
  const BrandInfo empty_brand;
  const BrandInfo& brand = in.brand ? in.brand->info() : empty_brand;
  line.AppendSwitchASCII("brand-name", brand.brand_name);
  if (in.distrib)
    SetPathIfAny(&line, "distr-info-file", in.distrib->json_file());
  SetBool(&line, "make-browser-default-after-import", in.make_default);
  SetBool(&line, "send-statistics", in.send_statistics);
  SetBool(&line, "disablevnpin", !in.install_pin);
  if (in.ok_button_pressed_time != 0)
    line.AppendSwitchASCII("ok-button-pressed-time", std::to_string(in.ok_button_pressed_time));
  if (in.install_start_time != 0)
    line.AppendSwitchASCII("install-start-time-no-uac", std::to_string(in.install_start_time));
  SetPathIfAny(&line, "abt-config-resource-file", in.abt_config_path);
  SetPathIfAny(&line, "variations-resource-file", in.variations_path);
  if (with_file_switches) {
    line.AppendSwitchNative("installerdata", in.installer_data_path);
    line.AppendSwitchNative("clids-file", in.clids_file_path);
    SetPathIfAny(&line, "velnor-website-icon-file", in.website_icon_path);
    if (in.brand && in.brand->has_brand_package())
      line.AppendSwitchNative("brand-package", in.brand->brand_package_path());
    if (in.brand && in.brand->has_partner_package())
      line.AppendSwitchNative("partner-package", in.brand->partner_package_path());
    SetPathIfAny(&line, "override-partner-package", in.partner_override_path);
  }
  if (in.brand && in.distrib) {
    if (GetUacMode(*in.brand, *in.distrib, in.installer_command_line) == 2)
      line.AppendSwitch("show-uac-at-browser-start");
    if (ShowDefaultBrowserUiInSetup(*in.brand, *in.distrib))
      line.AppendSwitch("enable-default-browser-ui");
  } else if (brand.default_browser_ui_in_setup) {
    line.AppendSwitch("enable-default-browser-ui");
  }
  if (in.distrib && IsUts2(*in.distrib))
    line.AppendSwitch("use-task-scheduler2");
  if (!with_file_switches && brand.program_files_installation)
    line.AppendSwitch("program-files-installation");
  if (!in.installation_type.empty())
    line.AppendSwitchASCII("browser-present", in.installation_type);
  if (!brand.brand_id.empty())
    line.AppendSwitchASCII("installer-brand-id", brand.brand_id);
  if (!brand.partner_id.empty())
    line.AppendSwitchASCII("installer-partner-id", brand.partner_id);
  if (!in.test_ids.empty())
    line.AppendSwitchASCII("testids", JoinTestIds(in.test_ids, ";"));
  if (in.background_tasks) {
    const BackgroundTaskPaths& paths = *in.background_tasks;
    SetPathIfAny(&line, "variations-update-path", paths.variations_update);
    SetPathIfAny(&line, "abt-update-path", paths.abt_update);
    SetPathIfAny(&line, "webntp-path", paths.webntp);
    SetPathIfAny(&line, "server-config-bundle-path", paths.server_config_bundle);
    SetPathIfAny(&line, "preloaded-wallpaper-bundle-path", paths.preloaded_wallpaper_bundle);
    if (!in.run_result && !line.HasSwitch("do-not-launch-browser"))
      line.AppendSwitch("do-not-launch-browser");
  }
  DropValuesWithNul(&line);
  return line;
}

}  // namespace lite_installer
