#include "installer/velnor/util/application_association_registration_internal.h"

#include "installer/velnor/util/windows10_file_association_utils.h"
#include "logging/diagnostic_log.h"

namespace installer::win10_default_browser {

namespace {

constexpr char kSourceUnit[] = "application_association_registration_internal";

}  // namespace

CreatedRegistration CreateRegistrationInternal(ShellAssociations& shell) {
  CreatedRegistration created;
  for (const RegistrationCandidate& candidate : kRegistrationCandidates) {
    ComResult<RegistrationInternal> result = shell.CreateAssociationRegistration(candidate.iid);
    if (Succeeded(result.hr) && result.object) {
      DIAG_VLOG(1, kSourceUnit) << "IApplicationAssociationRegistrationInternal creation is "
                                   "succeeded by "
                                << IidText(candidate.iid);
      created.object = std::move(result.object);
      created.kind = candidate.kind;
      return created;
    }
    DIAG_VLOG(1, kSourceUnit) << "IApplicationAssociationRegistrationInternal creation is failed, "
                                 "hr="
                              << HResultText(result.hr) << ", guid= " << IidText(candidate.iid);
  }
  return created;
}

bool IsInternalInterfaceAvailable(ShellAssociations& shell, const std::string& windows_version) {
  const CreatedRegistration created = CreateRegistrationInternal(shell);
  if (!created.object) {
    DIAG_LOG(INFO, kSourceUnit) << "Unsupported Win10 version=" << windows_version;
    return false;
  }
  if (created.kind == 0)
    return true;

  const HResult hr = created.object->QuerySetAppAsDefaultBrowserInternal();
  if (!Succeeded(hr)) {
    DIAG_LOG(ERROR, kSourceUnit) << "QueryInterface(ISetAppAsDefaultBrowserInternal) error, hr="
                                 << HResultText(hr);
    return false;
  }
  const base::String16 no_name;
  return RegisterProtocols(shell, no_name, true) && RegisterExtensions(shell, {}, no_name, true);
}

}  // namespace installer::win10_default_browser
