#include "installer/lite_installer/installer.h"

#include "logging/log_message.h"

Installer::Installer(lite_installer::InstallerObserver* observer,
                     const BrandPackageInfo* brand,
                     const DistribInfoParams* distrib,
                     bool run_background_tasks)
    : observer_(observer),
      brand_(brand),
      distrib_(distrib),
      run_background_tasks_(run_background_tasks) {}

Installer::~Installer() = default;

// The engine does not obtain an archive yet: a run ends with the initial
// result, "no setup result".
void Installer::InstallNow() {
  LOG(WARNING) << "Installation engine is not available in this build";
}

bool Installer::RunModule(const base::String16& archive_path, const base::CommandLine&) {
  LOG(ERROR) << "Cannot run setup archive " << archive_path
             << ": installation engine is not available in this build";
  return false;
}
