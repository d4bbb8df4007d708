// Whether the installation should run in an elevated copy of the installer:
// only for a member of the administrators group, and only for a run that is
// an installation.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_ELEVATION_DECISION_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_ELEVATION_DECISION_H_

#include "base/command_line.h"

namespace lite_installer {

// Setup switches whose presence marks a run that is no installation, in the
// order they are looked for.
inline constexpr const char* kNonInstallSwitches[] = {"update-setup-exe",
                                                      "show-eula",
                                                      "configure-user-settings",
                                                      "register-dev-chrome",
                                                      "register-browser-browser",
                                                      "rename-browser-exe",
                                                      "on-os-upgrade",
                                                      "fake-rename-velnor-internet",
                                                      "patch",
                                                      "reenable-autoupdates",
                                                      "simulate-crash",
                                                      "delete-old-versions",
                                                      "set-as-default-browser",
                                                      "set-as-default-browser-dll",
                                                      "pttw1",
                                                      "pwattw1",
                                                      "pttw0"};

enum class ElevationReason {
  kElevate,
  kNotAnAdministrator,
  kNonInstallSwitch,
};

struct ElevationDecision {
  ElevationReason reason;
  // The first non-install switch found, in table order; null otherwise.
  const char* non_install_switch = nullptr;
  bool elevate() const { return reason == ElevationReason::kElevate; }
};

ElevationDecision DecideElevation(bool user_is_administrator,
                                  const base::CommandLine& command_line);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_ELEVATION_DECISION_H_
