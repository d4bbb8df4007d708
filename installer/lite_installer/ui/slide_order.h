// The order of the progress screen's slide show: which picture of the slide
// list an index of the show stands for, and which number the download thread
// asks the server for next. The list holds the built-in slides first (the
// first-screen-off background, when there is one, and the built-in slide),
// then the downloaded pictures in the order they arrived.
#ifndef INSTALLER_LITE_INSTALLER_UI_SLIDE_ORDER_H_
#define INSTALLER_LITE_INSTALLER_UI_SLIDE_ORDER_H_

#include <cstddef>

namespace lite_installer {

class SlideOrder {
 public:
  // |built_in_count|: 2 when the first-screen-off background leads the
  // list, else 1.
  explicit SlideOrder(int built_in_count);

  // The position in a list of |slide_count| slides of the picture shown at
  // |index| of the show; -1 for an empty list. The show loops over the
  // list; with two built-in slides the background leads only the first
  // round: every later round starts with the built-in slide.
  int PositionFor(int index, size_t slide_count);

  // Whether the last PositionFor gave the first-screen-off background as
  // the title slide (index 0 with two built-in slides).
  bool title_slide_shown() const { return title_slide_shown_; }

  // The number of the next picture to download into a list of
  // |slide_count| slides: the built-in slide counts as 1, so the first
  // download is 2. The background leaving the show does not change the
  // numbering, so no picture on the server is skipped.
  int NextDownloadNumber(size_t slide_count) const;

 private:
  const bool two_built_in_;
  // Rounds already started: the indexes move on by one per round that
  // leaves the background out.
  size_t show_offset_ = 0;
  bool wrapped_once_ = false;
  bool title_slide_shown_ = false;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_SLIDE_ORDER_H_
