#include "installer/lite_installer/ui/slide_order.h"

namespace lite_installer {

SlideOrder::SlideOrder(int built_in_count) : two_built_in_(built_in_count >= 2) {}

int SlideOrder::PositionFor(int index, size_t slide_count) {
  title_slide_shown_ = index == 0 && two_built_in_;
  if (slide_count == 0 || index < 0)
    return -1;
  size_t position = (static_cast<size_t>(index) + show_offset_) % slide_count;
  if (position == 0) {
    if (wrapped_once_ && two_built_in_) {
      // A new round: the background stays out, the built-in slide leads.
      ++show_offset_;
      position = slide_count > 1 ? 1 : 0;
    } else {
      wrapped_once_ = true;
    }
  }
  return static_cast<int>(position);
}

int SlideOrder::NextDownloadNumber(size_t slide_count) const {
  const size_t built_in = two_built_in_ ? 2 : 1;
  const size_t downloaded = slide_count > built_in ? slide_count - built_in : 0;
  return static_cast<int>(downloaded) + 2;
}

}  // namespace lite_installer
