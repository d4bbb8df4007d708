#include "installer/lite_installer/ui/accessible_control_win.h"

#include <oleacc.h>

#include "base/win/scoped_com_win.h"
#include "installer/lite_installer/ui/accessible_proxy_win.h"

namespace lite_installer {

namespace {

constexpr DWORD kEventObjectValueChange = 0x800E;

}  // namespace

AccessibleControl::AccessibleControl() : state_(std::make_shared<AccessibleState>()) {}

AccessibleControl::~AccessibleControl() = default;

void AccessibleControl::Attach(HWND control, long role, const base::String16& name) {
  control_ = control;
  state_->role = role;
  state_->name = name;
}

void AccessibleControl::SetValue(const base::String16& value) {
  state_->value = value;
  if (control_)
    ::NotifyWinEvent(kEventObjectValueChange, control_, OBJID_CLIENT, CHILDID_SELF);
}

bool AccessibleControl::HandleGetObject(WPARAM wparam, LPARAM lparam, LRESULT* result) {
  if (!control_ || static_cast<LONG>(lparam) != static_cast<LONG>(OBJID_CLIENT))
    return false;
  if (state_->role == 0 && state_->name.empty())
    return false;
  base::win::ScopedComPtr<IAccessible> standard;
  if (FAILED(::CreateStdAccessibleObject(control_, OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(standard.Receive()))) ||
      !standard.IsValid())
    return false;
  base::win::ScopedComPtr<IAccessible> proxy(CreateAccessibleProxy(standard.Get(), state_));
  if (!proxy.IsValid())
    return false;
  // LresultFromObject takes a reference of its own for the client.
  const LRESULT answer = ::LresultFromObject(IID_IAccessible, wparam, proxy.Get());
  if (answer < 0)
    return false;
  *result = answer;
  return true;
}

}  // namespace lite_installer
