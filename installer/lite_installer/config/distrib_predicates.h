// Yes/no and small-number answers derived from the brand, the distribution
// parameters and the command line: which check boxes to show, whether the
// first screen is skipped, when to ask for elevation.
#ifndef INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_PREDICATES_H_
#define INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_PREDICATES_H_

#include "base/command_line.h"

class BrandPackageInfo;
class DistribInfoParams;

// "def" is present; |*value| is whether it says "1".
bool HasDefValue(const DistribInfoParams& distrib, bool* value);
// "stat" is present (|*value|: it says "1"), else "statpromo" is present
// (|*value|: it says "true"); not found leaves |*value| false.
bool GetStatValue(const DistribInfoParams& distrib, bool* value);
bool IsFirstScreenOff(const BrandPackageInfo& brand, const DistribInfoParams& distrib);
// 0: ask for elevation on Install; 1: as soon as the window opens; 2: never.
int GetUacMode(const BrandPackageInfo& brand,
               const DistribInfoParams& distrib,
               const base::CommandLine& command_line);
bool ShowDefaultBrowserUiInSetup(const BrandPackageInfo& brand, const DistribInfoParams& distrib);
bool IsUts2(const DistribInfoParams& distrib);

namespace lite_installer {

// The assistant-pin trial state, 0 to 3.
int GetVnpinTrialState(const DistribInfoParams& distrib,
                       const BrandPackageInfo& brand,
                       const base::CommandLine& command_line);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_CONFIG_DISTRIB_PREDICATES_H_
