// The installation engine: obtains, verifies and runs the setup archive, and
// stores the exit code the process ends with.
#ifndef INSTALLER_LITE_INSTALLER_INSTALLER_H_
#define INSTALLER_LITE_INSTALLER_INSTALLER_H_

#include "base/command_line.h"
#include "base/strings.h"
#include "installer/lite_installer/exit_codes.h"

class BrandPackageInfo;
class DistribInfoParams;

namespace lite_installer {
class InstallerObserver;
}  // namespace lite_installer

class Installer {
 public:
  // None of the pointers is owned; each may be null.
  Installer(lite_installer::InstallerObserver* observer,
            const BrandPackageInfo* brand,
            const DistribInfoParams* distrib,
            bool run_background_tasks);
  Installer(const Installer&) = delete;
  Installer& operator=(const Installer&) = delete;
  virtual ~Installer();

  void SetMakeDefault(bool make_default) { make_default_ = make_default; }
  void SetSendStatistics(bool send_statistics) { send_statistics_ = send_statistics; }
  void SetInstallPin(bool install_pin) { install_pin_ = install_pin; }

  // Runs the whole installation on the calling thread.
  virtual void InstallNow();
  // Runs the setup archive at |archive_path| with |setup_command_line|.
  virtual bool RunModule(const base::String16& archive_path,
                         const base::CommandLine& setup_command_line);

  int GetExitCode() const { return exit_code_; }

 protected:
  lite_installer::InstallerObserver* const observer_;
  const BrandPackageInfo* const brand_;
  const DistribInfoParams* const distrib_;
  const bool run_background_tasks_;
  bool make_default_ = false;
  bool send_statistics_ = false;
  bool install_pin_ = false;
  int exit_code_ = lite_installer::kExitNoSetupResult;
};

#endif  // INSTALLER_LITE_INSTALLER_INSTALLER_H_
