// The command line the setup program is started with: everything it must
// know about this installation travels on it.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_SETUP_COMMAND_LINE_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_SETUP_COMMAND_LINE_H_

#include <cstdint>
#include <string>

#include "base/command_line.h"
#include "base/strings.h"
#include "installer/lite_installer/config/brand_info.h"

class BrandPackageInfo;
class DistribInfoParams;

namespace lite_installer {

// The paths the background tasks reserved; empty when not wanted.
struct BackgroundTaskPaths {
  base::String16 variations_update;
  base::String16 abt_update;
  base::String16 webntp;
  base::String16 server_config_bundle;
  base::String16 preloaded_wallpaper_bundle;
};

// What the installer knows when it starts the setup.
struct SetupCommandLineInputs {
  // The installer's own command line.
  base::CommandLine installer_command_line;
  // Either may be null.
  const BrandPackageInfo* brand = nullptr;
  const DistribInfoParams* distrib = nullptr;
  bool uac_declined = false;
  uintptr_t progress_window = 0;
  bool make_default = false;
  bool send_statistics = false;
  bool install_pin = true;
  uint64_t ok_button_pressed_time = 0;
  uint64_t install_start_time = 0;
  base::String16 installer_data_path;
  base::String16 clids_file_path;
  base::String16 website_icon_path;
  base::String16 abt_config_path;
  base::String16 variations_path;
  base::String16 partner_override_path;
  std::string installation_type;
  TestIdList test_ids;
  // Null when the installer has no background tasks.
  const BackgroundTaskPaths* background_tasks = nullptr;
  bool run_result = true;
};

// "id" or "id/value" for each test id, joined with |separator|.
std::string JoinTestIds(const TestIdList& ids, const std::string& separator);

base::CommandLine BuildSetupCommandLine(const SetupCommandLineInputs& inputs,
                                        const base::String16& program,
                                        bool with_file_switches);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_SETUP_COMMAND_LINE_H_
