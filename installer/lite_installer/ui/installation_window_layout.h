// Where every element of the installer window sits, in design pixels (see
// window_geometry.h for the conversion to window pixels). The layout variant
// says which check boxes the first screen shows: bit 0 the make-default box
// (109), bit 1 the statistics box (110).
#ifndef INSTALLER_LITE_INSTALLER_UI_INSTALLATION_WINDOW_LAYOUT_H_
#define INSTALLER_LITE_INSTALLER_UI_INSTALLATION_WINDOW_LAYOUT_H_

#include "installer/lite_installer/ui/window_geometry.h"

namespace lite_installer {

class InstallationWindowLayoutNewIdentity {
 public:
  InstallationWindowLayoutNewIdentity(bool windows8_or_later, int variant, bool first_screen_off)
      : windows8_or_later_(windows8_or_later),
        variant_(variant & 3),
        first_screen_off_(first_screen_off) {}

  int Width() const { return kDesignWidth; }
  int Height() const { return kDesignHeight; }
  Rect ClientRect() const { return {0, 0, kDesignWidth, kDesignHeight}; }
  int Border() const { return kDesignBorder; }

  Rect TitleRect() const;
  // Empty when the variant hides the box.
  Rect SendStatCheckRect() const;
  Rect MakeDefaultCheckRect() const;
  Rect PinCheckRect() const { return {}; }
  // The buttons keep their natural size from the rectangle's top-left corner.
  Rect InstallButtonRect() const { return {60, 332, kDesignRight, kDesignBottom}; }
  Rect CloseButtonRect() const { return {766, 10, kDesignRight, kDesignBottom}; }
  Rect MinimizeButtonRect() const { return {722, 10, kDesignRight, kDesignBottom}; }
  Rect LogoRect() const { return {60, 40, 272, 78}; }
  Rect LicenceTextRect() const { return {556, 332, 758, kDesignBottom}; }
  Rect ProgressBarRect() const { return {60, 357, 453, 362}; }
  Rect ProgressTextRect() const { return {60, 371, 453, kDesignBottom}; }

  int BorderWidth() const { return kDesignBorder; }
  // Rounded corners exist from Windows 8 on.
  int CornerRadius() const { return windows8_or_later_ ? kDesignBorder + 8 : 0; }
  int ShadowMargin() const { return 8; }
  // In window pixels, not scaled.
  Size CheckBoxPadding() const { return {5, 5}; }

 private:
  const bool windows8_or_later_;
  const int variant_;
  const bool first_screen_off_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_INSTALLATION_WINDOW_LAYOUT_H_
