#include "installer/lite_installer/engine/elevation_decision.h"

namespace lite_installer {

ElevationDecision DecideElevation(bool user_is_administrator,
                                  const base::CommandLine& command_line) {
  if (!user_is_administrator)
    return {ElevationReason::kNotAnAdministrator};
  for (const char* name : kNonInstallSwitches) {
    if (command_line.HasSwitch(name))
      return {ElevationReason::kNonInstallSwitch, name};
  }
  return {ElevationReason::kElevate};
}

}  // namespace lite_installer
