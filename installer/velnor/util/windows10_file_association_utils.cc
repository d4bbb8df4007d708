#include "installer/velnor/util/windows10_file_association_utils.h"

#include "logging/diagnostic_log.h"

namespace installer::win10_default_browser {

namespace {

constexpr char kSourceUnit[] = "windows10_file_association_utils";

constexpr char16_t kToastsKey[] =
    u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\ApplicationAssociationToasts";
constexpr char16_t kToastValuePrefix[] = u"MSEdgeHTM_";

constexpr uint32_t kMakeDefaultFlags = 0;

// One protocol or extension: its handlers made default, then its toast
// cleared.
bool RegisterOne(ShellAssociations& shell,
                 ComResult<EnumAssocHandlers> handlers,
                 const base::String16& name,
                 const base::String16& application_name,
                 bool check_only) {
  if (!MakeHandlerDefault(std::move(handlers.object), application_name, check_only))
    return false;
  ClearAssociationToast(shell, name);
  return true;
}

}  // namespace

bool RegisterProtocols(ShellAssociations& shell,
                       const base::String16& application_name,
                       bool check_only) {
  bool all = true;
  for (const base::String16 protocol : {u"http", u"https"}) {
    ComResult<EnumAssocHandlers> handlers = shell.EnumHandlersForProtocol(protocol);
    if (!Succeeded(handlers.hr) || !handlers.object) {
      DIAG_LOG(ERROR, kSourceUnit)
          << "SHAssocEnumHandlersForProtocolByApplication error, hr=" << HResultText(handlers.hr)
          << " protocol=" << protocol;
      all = false;
      continue;
    }
    all = RegisterOne(shell, std::move(handlers), protocol, application_name, check_only) && all;
  }
  return all;
}

bool RegisterExtensions(ShellAssociations& shell,
                        const std::vector<base::String16>& extensions,
                        const base::String16& application_name,
                        bool check_only) {
  std::vector<base::String16> list = {u".htm", u".html"};
  for (const base::String16& extension : extensions) {
    if (extension != u".htm" && extension != u".html")
      list.push_back(extension);
  }
  bool all = true;
  for (const base::String16& extension : list) {
    ComResult<EnumAssocHandlers> handlers = shell.EnumHandlersForExtension(extension);
    if (!Succeeded(handlers.hr) || !handlers.object) {
      DIAG_LOG(ERROR, kSourceUnit) << "SHAssocEnumHandlers error, hr=" << HResultText(handlers.hr)
                                   << " extension=" << extension;
      all = false;
      continue;
    }
    all = RegisterOne(shell, std::move(handlers), extension, application_name, check_only) && all;
  }
  return all;
}

bool MakeHandlerDefault(std::unique_ptr<EnumAssocHandlers> handlers,
                        const base::String16& application_name,
                        bool check_only) {
  if (!handlers)
    return false;
  std::unique_ptr<AssocHandler> taken;
  while (!taken) {
    ComResult<AssocHandler> next = handlers->Next();
    // kFalse is the end of the list; a success without a handler is no
    // better.
    if (next.hr != kOk || !next.object) {
      DIAG_LOG(ERROR, kSourceUnit) << "IEnumAssocHandlers::Next error, hr=" << HResultText(next.hr)
                                   << ", failed to find " << application_name;
      return false;
    }
    const AssocHandler::UiName name = next.object->GetUIName();
    if (!Succeeded(name.hr)) {
      DIAG_LOG(ERROR, kSourceUnit) << "IAssocHandler::GetUIName error, hr=" << HResultText(name.hr)
                                   << ", failed to find " << application_name;
      continue;
    }
    if (check_only || name.name == application_name)
      taken = std::move(next.object);
  }
  handlers.reset();

  ComResult<AssocHandlerMakeDefault> make_default = taken->QueryMakeDefault();
  if (!Succeeded(make_default.hr) || !make_default.object) {
    DIAG_LOG(ERROR, kSourceUnit) << "QueryInterface(IAssocHandlerMakeDefault) error, hr="
                                 << HResultText(make_default.hr);
    return false;
  }
  if (check_only)
    return true;
  const HResult hr = make_default.object->MakeDefaultPriv(kMakeDefaultFlags);
  if (!Succeeded(hr)) {
    DIAG_LOG(ERROR, kSourceUnit) << "IAssocHandlerMakeDefault::MakeDefaultPriv error, hr="
                                 << HResultText(hr);
    return false;
  }
  return true;
}

bool ClearAssociationToast(ShellAssociations& shell, const base::String16& name) {
  const base::String16 value_name = kToastValuePrefix + name;
  if (shell.SetUserDword(kToastsKey, value_name, 0))
    return true;
  DIAG_VLOG(1, kSourceUnit) << "Failed to set " << name << " of " << kToastsKey;
  return false;
}

}  // namespace installer::win10_default_browser
