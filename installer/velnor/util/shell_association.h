// The shell's association objects as the default-browser code uses them: the
// internal registration interface, handler enumerations, the handlers and
// their make-default side, and the toast values in the registry. The real
// objects live behind a Windows adapter; tests substitute their own.
#ifndef INSTALLER_VELNOR_UTIL_SHELL_ASSOCIATION_H_
#define INSTALLER_VELNOR_UTIL_SHELL_ASSOCIATION_H_

#include <cstdint>
#include <memory>
#include <string>

#include "base/strings.h"

namespace installer::win10_default_browser {

// A COM result code; negative values are failures.
using HResult = int32_t;
inline constexpr HResult kOk = 0;
inline constexpr HResult kFalse = 1;
inline constexpr HResult kNoInterface = static_cast<HResult>(0x80004002);
inline constexpr HResult kFail = static_cast<HResult>(0x80004005);
inline constexpr HResult kPointer = static_cast<HResult>(0x80004003);

inline bool Succeeded(HResult hr) {
  return hr >= 0;
}

// "0x80004002".
std::string HResultText(HResult hr);

// An interface identifier, laid out as the platform's GUID.
struct Iid {
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];
};

// The registry form with braces and upper-case digits.
std::string IidText(const Iid& iid);

// An object handed out by a call, or the call's failure.
template <typename Object>
struct ComResult {
  HResult hr = kFail;
  std::unique_ptr<Object> object;
};

class AssocHandlerMakeDefault {
 public:
  virtual ~AssocHandlerMakeDefault() = default;
  virtual HResult MakeDefaultPriv(uint32_t flags) = 0;
};

class AssocHandler {
 public:
  virtual ~AssocHandler() = default;
  struct UiName {
    HResult hr = kFail;
    base::String16 name;
  };
  virtual UiName GetUIName() = 0;
  virtual ComResult<AssocHandlerMakeDefault> QueryMakeDefault() = 0;
};

class EnumAssocHandlers {
 public:
  virtual ~EnumAssocHandlers() = default;
  // The next handler; kFalse and no handler once the enumeration is done.
  virtual ComResult<AssocHandler> Next() = 0;
};

// The internal registration interface created with one of the candidate
// identifiers.
class RegistrationInternal {
 public:
  virtual ~RegistrationInternal() = default;
  // Asks the object for the interface that sets the default browser; only
  // whether it answers matters.
  virtual HResult QuerySetAppAsDefaultBrowserInternal() = 0;
};

class ShellAssociations {
 public:
  virtual ~ShellAssociations() = default;
  virtual ComResult<RegistrationInternal> CreateAssociationRegistration(const Iid& iid) = 0;
  // The handlers of |protocol| ("http").
  virtual ComResult<EnumAssocHandlers> EnumHandlersForProtocol(const base::String16& protocol) = 0;
  // Every handler of |extension| (".htm").
  virtual ComResult<EnumAssocHandlers> EnumHandlersForExtension(
      const base::String16& extension) = 0;
  // Sets the DWORD |name| of the current user's key |key_path|, which must
  // exist, to |value|.
  virtual bool SetUserDword(const base::String16& key_path,
                            const base::String16& name,
                            uint32_t value) = 0;
};

}  // namespace installer::win10_default_browser

#endif  // INSTALLER_VELNOR_UTIL_SHELL_ASSOCIATION_H_
