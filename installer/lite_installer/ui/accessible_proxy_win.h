// The client object a screen reader sees for an owner-drawn control: the
// system's standard object for the window, with the role, name and value the
// control gives instead of what the system would guess from its class.
#ifndef INSTALLER_LITE_INSTALLER_UI_ACCESSIBLE_PROXY_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_ACCESSIBLE_PROXY_WIN_H_

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <oleacc.h>

#include <memory>

#include "base/strings.h"

namespace lite_installer {

// What the control says about itself; shared with every proxy handed out, so
// that a proxy a client still holds reads the current value.
struct AccessibleState {
  long role = 0;  // 0: the standard object's
  base::String16 name;
  base::String16 value;  // empty: the standard object's
};

// A new proxy over |standard| (which it keeps a reference to) with one
// reference held by the caller.
IAccessible* CreateAccessibleProxy(IAccessible* standard,
                                   std::shared_ptr<const AccessibleState> state);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_ACCESSIBLE_PROXY_WIN_H_
