// Accessibility of an owner-drawn control: its window answers WM_GETOBJECT
// for its client object with a proxy that reports the control's role, name
// and value, and value changes are announced to listening clients.
#ifndef INSTALLER_LITE_INSTALLER_UI_ACCESSIBLE_CONTROL_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_ACCESSIBLE_CONTROL_WIN_H_

#include <windows.h>

#include <memory>

#include "base/strings.h"

namespace lite_installer {

struct AccessibleState;

// Roles of the controls (ROLE_SYSTEM_*).
inline constexpr long kAccessibleRolePushButton = 43;
inline constexpr long kAccessibleRoleLink = 30;
inline constexpr long kAccessibleRoleProgressBar = 48;

class AccessibleControl {
 public:
  AccessibleControl();
  AccessibleControl(const AccessibleControl&) = delete;
  AccessibleControl& operator=(const AccessibleControl&) = delete;
  ~AccessibleControl();

  // |role| 0 and an empty |name| leave the system's own answers.
  void Attach(HWND control, long role, const base::String16& name);
  // Stores the value and raises the value-change event for the client object.
  void SetValue(const base::String16& value);

  // For WM_GETOBJECT: true with |*result| set when the request is for the
  // client object and a role or name is set.
  bool HandleGetObject(WPARAM wparam, LPARAM lparam, LRESULT* result);

 private:
  HWND control_ = nullptr;
  std::shared_ptr<AccessibleState> state_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_ACCESSIBLE_CONTROL_WIN_H_
