#include "installer/velnor/util/shell_association_win.h"

#include <objbase.h>

#include <cstring>

#include "base/win/scoped_com_win.h"
#include "base/win/wide.h"
#include "installer/util/windows_version_win.h"
#include "installer/velnor/util/application_association_registration_internal.h"

namespace installer::win10_default_browser {

// The handler interfaces as the shell lays them out. The headers declare
// them only for builds that target newer systems than this program does.
// They stay outside the anonymous namespace: the shell implements them, and
// the compiler must not assume that nothing outside this file does.
struct AssocHandlerCom : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetName(LPWSTR* name) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetUIName(LPWSTR* name) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetIconLocation(LPWSTR* path, int* index) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsRecommended() = 0;
  virtual HRESULT STDMETHODCALLTYPE MakeDefault(LPCWSTR description) = 0;
  virtual HRESULT STDMETHODCALLTYPE Invoke(IUnknown* data_object) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateInvoker(IUnknown* data_object, IUnknown** invoker) = 0;
};

struct EnumAssocHandlersCom : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Next(ULONG count,
                                         AssocHandlerCom** handlers,
                                         ULONG* fetched) = 0;
};

// The make-default side of a handler, which no header declares; its one
// method follows IUnknown's.
struct AssocHandlerMakeDefaultCom : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE MakeDefaultPriv(DWORD flags) = 0;
};

namespace {

// Every handler, not only the recommended ones.
constexpr int kAssocFilterNone = 0;

using CreateAssociationRegistrationFunction = HRESULT(WINAPI*)(REFIID, void**);
using AssocEnumHandlersFunction = HRESULT(WINAPI*)(PCWSTR, int, EnumAssocHandlersCom**);
using AssocEnumHandlersForProtocolFunction = HRESULT(WINAPI*)(PCWSTR, REFIID, void**);

constexpr HResult kProcedureNotFound = HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);

GUID ToGuid(const Iid& iid) {
  static_assert(sizeof(GUID) == sizeof(Iid));
  GUID guid;
  std::memcpy(&guid, &iid, sizeof(guid));
  return guid;
}

template <typename Function>
Function Resolve(HMODULE module, const char* name) {
  if (!module)
    return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

class MakeDefaultWin : public AssocHandlerMakeDefault {
 public:
  explicit MakeDefaultWin(AssocHandlerMakeDefaultCom* object) : object_(object) {}
  HResult MakeDefaultPriv(uint32_t flags) override { return object_->MakeDefaultPriv(flags); }

 private:
  base::win::ScopedComPtr<AssocHandlerMakeDefaultCom> object_;
};

class AssocHandlerWin : public AssocHandler {
 public:
  explicit AssocHandlerWin(AssocHandlerCom* object) : object_(object) {}

  UiName GetUIName() override {
    UiName result;
    wchar_t* name = nullptr;
    result.hr = object_->GetUIName(&name);
    if (name) {
      if (SUCCEEDED(result.hr))
        result.name = base::win::FromWide(name);
      ::CoTaskMemFree(name);
    }
    return result;
  }

  ComResult<AssocHandlerMakeDefault> QueryMakeDefault() override {
    ComResult<AssocHandlerMakeDefault> result;
    const GUID iid = ToGuid(kAssocHandlerMakeDefaultIid);
    base::win::ScopedComPtr<AssocHandlerMakeDefaultCom> make_default;
    result.hr = object_->QueryInterface(iid, reinterpret_cast<void**>(make_default.Receive()));
    if (SUCCEEDED(result.hr) && make_default.IsValid())
      result.object = std::make_unique<MakeDefaultWin>(make_default.Take());
    return result;
  }

 private:
  base::win::ScopedComPtr<AssocHandlerCom> object_;
};

class EnumAssocHandlersWin : public EnumAssocHandlers {
 public:
  explicit EnumAssocHandlersWin(EnumAssocHandlersCom* object) : object_(object) {}

  ComResult<AssocHandler> Next() override {
    AssocHandlerCom* handler = nullptr;
    ULONG fetched = 0;
    const HRESULT hr = object_.Get()->Next(1, &handler, &fetched);
    base::win::ScopedComPtr<AssocHandlerCom> owned(handler);
    ComResult<AssocHandler> result;
    result.hr = hr;
    if (result.hr == S_OK && fetched == 1 && owned.IsValid())
      result.object = std::make_unique<AssocHandlerWin>(owned.Take());
    return result;
  }

 private:
  base::win::ScopedComPtr<EnumAssocHandlersCom> object_;
};

class RegistrationInternalWin : public RegistrationInternal {
 public:
  explicit RegistrationInternalWin(IUnknown* object) : object_(object) {}

  HResult QuerySetAppAsDefaultBrowserInternal() override {
    const GUID iid = ToGuid(kSetAppAsDefaultBrowserInternalIid);
    base::win::ScopedComPtr<IUnknown> answer;
    return object_->QueryInterface(iid, reinterpret_cast<void**>(answer.Receive()));
  }

 private:
  base::win::ScopedComPtr<IUnknown> object_;
};

}  // namespace

ShellAssociationsWin::ShellAssociationsWin() : shell32_(::LoadLibraryW(L"shell32.dll")) {}

ShellAssociationsWin::~ShellAssociationsWin() = default;

ComResult<RegistrationInternal> ShellAssociationsWin::CreateAssociationRegistration(
    const Iid& iid) {
  ComResult<RegistrationInternal> result;
  const auto create = Resolve<CreateAssociationRegistrationFunction>(
      shell32_.Get(), "SHCreateAssociationRegistration");
  if (!create) {
    result.hr = kProcedureNotFound;
    return result;
  }
  const GUID guid = ToGuid(iid);
  base::win::ScopedComPtr<IUnknown> object;
  result.hr = create(guid, reinterpret_cast<void**>(object.Receive()));
  if (SUCCEEDED(result.hr) && object.IsValid())
    result.object = std::make_unique<RegistrationInternalWin>(object.Take());
  return result;
}

ComResult<EnumAssocHandlers> ShellAssociationsWin::EnumHandlersForProtocol(
    const base::String16& protocol) {
  ComResult<EnumAssocHandlers> result;
  const auto enumerate = Resolve<AssocEnumHandlersForProtocolFunction>(
      shell32_.Get(), "SHAssocEnumHandlersForProtocolByApplication");
  if (!enumerate) {
    result.hr = kProcedureNotFound;
    return result;
  }
  const GUID iid = ToGuid(kEnumAssocHandlersIid);
  base::win::ScopedComPtr<EnumAssocHandlersCom> handlers;
  result.hr =
      enumerate(base::win::AsWide(protocol), iid, reinterpret_cast<void**>(handlers.Receive()));
  if (SUCCEEDED(result.hr) && handlers.IsValid())
    result.object = std::make_unique<EnumAssocHandlersWin>(handlers.Take());
  return result;
}

ComResult<EnumAssocHandlers> ShellAssociationsWin::EnumHandlersForExtension(
    const base::String16& extension) {
  ComResult<EnumAssocHandlers> result;
  const auto enumerate = Resolve<AssocEnumHandlersFunction>(shell32_.Get(), "SHAssocEnumHandlers");
  if (!enumerate) {
    result.hr = kProcedureNotFound;
    return result;
  }
  base::win::ScopedComPtr<EnumAssocHandlersCom> handlers;
  result.hr = enumerate(base::win::AsWide(extension), kAssocFilterNone, handlers.Receive());
  if (SUCCEEDED(result.hr) && handlers.IsValid())
    result.object = std::make_unique<EnumAssocHandlersWin>(handlers.Take());
  return result;
}

bool ShellAssociationsWin::SetUserDword(const base::String16& key_path,
                                        const base::String16& name,
                                        uint32_t value) {
  base::win::ScopedRegKey key;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, base::win::AsWide(key_path), 0, KEY_READ | KEY_WRITE,
                      key.Receive()) != ERROR_SUCCESS)
    return false;
  const DWORD data = value;
  return ::RegSetValueExW(key.Get(), base::win::AsWide(name), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&data), sizeof(data)) == ERROR_SUCCESS;
}

std::string WindowsVersionText() {
  const WindowsVersion version = GetWindowsVersion();
  return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
         std::to_string(version.build) + "." + std::to_string(version.update_build);
}

}  // namespace installer::win10_default_browser
