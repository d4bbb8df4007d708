// Making an application the default handler of the web protocols and page
// extensions through the shell's association handlers, or, in check-only
// mode, going through the same calls without changing anything.
#ifndef INSTALLER_VELNOR_UTIL_WINDOWS10_FILE_ASSOCIATION_UTILS_H_
#define INSTALLER_VELNOR_UTIL_WINDOWS10_FILE_ASSOCIATION_UTILS_H_

#include <memory>
#include <vector>

#include "base/strings.h"
#include "installer/velnor/util/shell_association.h"

namespace installer::win10_default_browser {

// "http" and then "https". True only when both went through.
bool RegisterProtocols(ShellAssociations& shell,
                       const base::String16& application_name,
                       bool check_only);

// ".htm", ".html", then each of |extensions| that is neither of these two.
// True only when every one went through.
bool RegisterExtensions(ShellAssociations& shell,
                        const std::vector<base::String16>& extensions,
                        const base::String16& application_name,
                        bool check_only);

// Finds the handler named |application_name| (in check-only mode the first
// handler whose name can be read) and makes it the default. Consumes
// |handlers|.
bool MakeHandlerDefault(std::unique_ptr<EnumAssocHandlers> handlers,
                        const base::String16& application_name,
                        bool check_only);

// Marks the association of |name| (a protocol or an extension) as already
// announced to the user.
bool ClearAssociationToast(ShellAssociations& shell, const base::String16& name);

}  // namespace installer::win10_default_browser

#endif  // INSTALLER_VELNOR_UTIL_WINDOWS10_FILE_ASSOCIATION_UTILS_H_
