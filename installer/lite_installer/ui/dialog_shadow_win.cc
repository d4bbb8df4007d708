#include "installer/lite_installer/ui/dialog_shadow_win.h"

#include <utility>

#include "base/win/scoped_gdi_win.h"

namespace lite_installer {

DialogShadow::~DialogShadow() {
  Destroy();
}

bool DialogShadow::Show(HWND owner,
                        DWORD style,
                        DWORD extended_style,
                        const Margins& margins,
                        MemoryCanvas picture) {
  Destroy();
  owner_ = owner;
  margins_ = margins;
  picture_ = std::move(picture);
  const RECT place = Place();
  window_ = ::CreateWindowExW(extended_style | WS_EX_LAYERED, L"STATIC", L"", style, place.left,
                              place.top, place.right - place.left, place.bottom - place.top, owner,
                              nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (!window_)
    return false;
  POINT position = {place.left, place.top};
  SIZE size = {picture_.width(), picture_.height()};
  POINT origin = {0, 0};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  base::win::ScopedGetDC screen(nullptr);
  ::UpdateLayeredWindow(window_, screen.Get(), &position, &size, picture_.dc(), &origin, 0, &blend,
                        ULW_ALPHA);
  ::ShowWindow(window_, SW_SHOWNOACTIVATE);
  return true;
}

RECT DialogShadow::Place() const {
  RECT owner = {};
  ::GetWindowRect(owner_, &owner);
  return {owner.left - margins_.left, owner.top - margins_.top, owner.right + margins_.right,
          owner.bottom + margins_.bottom};
}

void DialogShadow::MoveToOwner() {
  if (!window_)
    return;
  const RECT place = Place();
  ::SetWindowPos(window_, nullptr, place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogShadow::Destroy() {
  if (window_)
    ::DestroyWindow(window_);
  window_ = nullptr;
}

}  // namespace lite_installer
