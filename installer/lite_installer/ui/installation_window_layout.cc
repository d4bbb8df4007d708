#include "installer/lite_installer/ui/installation_window_layout.h"

namespace lite_installer {

namespace {

constexpr int kCheckLeft = 58;
constexpr int kCheckRight = 453;

Rect CheckRect(int top) {
  return {kCheckLeft, top, kCheckRight, kDesignBottom};
}

}  // namespace

Rect InstallationWindowLayoutNewIdentity::TitleRect() const {
  int top;
  if (variant_ == 1 || variant_ == 2)
    top = 138;
  else
    top = first_screen_off_ ? 146 : 98;
  return {60, top, 472, ProgressBarRect().top - 1};
}

Rect InstallationWindowLayoutNewIdentity::SendStatCheckRect() const {
  if (variant_ == 3)
    return CheckRect(206);
  if (variant_ == 2)
    return CheckRect(236);
  return {};
}

Rect InstallationWindowLayoutNewIdentity::MakeDefaultCheckRect() const {
  if (variant_ == 1)
    return CheckRect(236);
  if (variant_ == 3)
    return CheckRect(266);
  return {};
}

}  // namespace lite_installer
