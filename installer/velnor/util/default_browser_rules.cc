#include "installer/velnor/util/default_browser_rules.h"

#include "installer/util/windows_version.h"

namespace installer::win10_default_browser {

namespace {

// Build 17134 has the interface from update revision 319 on; every build
// after 17703 has it.
constexpr uint32_t kServicedBuild = 17134;
constexpr uint32_t kServicedBuildFirstRevision = 319;
constexpr uint32_t kLastBuildWithoutInterface = 17703;

}  // namespace

bool IsNewDefaultBrowserApiBuild(uint32_t build, uint32_t update_revision) {
  return build > kLastBuildWithoutInterface ||
         (build == kServicedBuild && update_revision >= kServicedBuildFirstRevision);
}

bool CanMakeDefaultFromInstaller(int windows_version,
                                 uint32_t build,
                                 uint32_t update_revision,
                                 const std::function<bool()>& safe_check) {
  if (windows_version < kWindows8 || IsNewDefaultBrowserApiBuild(build, update_revision))
    return true;
  if (windows_version >= kWindows10)
    return safe_check && safe_check();
  return false;
}

}  // namespace installer::win10_default_browser
