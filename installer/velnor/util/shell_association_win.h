// The shell's association objects of the running system, through COM. The
// shell functions are resolved at run time: older systems lack them, and a
// missing function reads as a failed call.
#ifndef INSTALLER_VELNOR_UTIL_SHELL_ASSOCIATION_WIN_H_
#define INSTALLER_VELNOR_UTIL_SHELL_ASSOCIATION_WIN_H_

#include <windows.h>

#include <string>

#include "base/win/scoped_handle_win.h"
#include "installer/velnor/util/shell_association.h"

namespace installer::win10_default_browser {

// Needs COM initialised on the calling thread for as long as it and the
// objects it hands out live.
class ShellAssociationsWin : public ShellAssociations {
 public:
  ShellAssociationsWin();
  ~ShellAssociationsWin() override;

  ComResult<RegistrationInternal> CreateAssociationRegistration(const Iid& iid) override;
  ComResult<EnumAssocHandlers> EnumHandlersForProtocol(const base::String16& protocol) override;
  ComResult<EnumAssocHandlers> EnumHandlersForExtension(const base::String16& extension) override;
  bool SetUserDword(const base::String16& key_path,
                    const base::String16& name,
                    uint32_t value) override;

 private:
  base::win::ScopedLibrary shell32_;
};

// "major.minor.build.revision" of the running system.
std::string WindowsVersionText();

}  // namespace installer::win10_default_browser

#endif  // INSTALLER_VELNOR_UTIL_SHELL_ASSOCIATION_WIN_H_
