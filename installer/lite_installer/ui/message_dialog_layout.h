// Where everything of a message dialog goes, in window pixels at the DPI
// factor: the redesigned dialog sized from its measured texts, the classic
// dialog sized from its background picture, and both shadow windows.
#ifndef INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_LAYOUT_H_
#define INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_LAYOUT_H_

#include <array>

#include "installer/lite_installer/ui/message_dialog_table.h"
#include "installer/lite_installer/ui/window_geometry.h"

namespace lite_installer {

// Sizes measured in the dialog's fonts; an empty size is a text or button
// the dialog does not have.
struct RedesignedDialogInput {
  Size heading;
  Size text;
  Size first_label;
  Size second_label;
  // The close button's picture frame, drawn at its own size.
  Size close_button;
  bool rounded = false;  // Windows 8 and later
  double factor = 1;
};

struct MessageDialogLayout {
  Size size;
  Rect heading;
  Rect text;
  Rect first_button;
  Rect second_button;
  Rect close_button;
  // Rounded window region: the ellipse's width and height; 0 for none.
  int corner_ellipse = 0;
};

MessageDialogLayout LayoutRedesignedDialog(const RedesignedDialogInput& input);

struct ClassicDialogInput {
  Size picture;  // the background picture at the factor, shadow included
  Size button;   // one frame of the button pictures at the factor
  bool has_first_button = true;
  bool has_second_button = false;
  bool buttons_right_aligned = false;
  ClassicMargins margins = ClassicMargins::kMessage;
  double factor = 1;
};

struct ClassicDialogLayout {
  MessageDialogLayout dialog;
  // Where the background picture is drawn: shifted up and left so that its
  // drawn shadow falls outside the window.
  int picture_x = 0;
  int picture_y = 0;
};

ClassicDialogLayout LayoutClassicDialog(const ClassicDialogInput& input);

// The redesigned dialog's shadow window: the dialog enlarged by |margin| on
// every side, assembled from eight stretched pieces (corners top-left,
// top, top-right, right, bottom-right, bottom, bottom-left, left).
struct DialogShadowLayout {
  int margin = 0;
  Size size;
  std::array<Rect, 8> pieces;
};

DialogShadowLayout LayoutRedesignedDialogShadow(Size dialog, bool rounded, double factor);

// The classic dialog's shadow window: the dialog enlarged by its picture's
// drawn shadow, its quarters copied from the same corners of the picture,
// and the area under the dialog left clear.
struct ClassicShadowLayout {
  int left = 0;  // how far the shadow reaches past each edge
  int top = 0;
  int right = 0;
  int bottom = 0;
  Size size;
  // Destination quarters (top-left, top-right, bottom-right, bottom-left)
  // and the rectangles of the picture each is copied from, 1:1.
  std::array<Rect, 4> quarters;
  std::array<Rect, 4> sources;
  Rect cleared;
};

ClassicShadowLayout LayoutClassicDialogShadow(Size dialog, Size picture, double factor);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_MESSAGE_DIALOG_LAYOUT_H_
