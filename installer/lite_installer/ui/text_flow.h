// Texts with inline links laid out in a box: a link is written between "(("
// and "))", the text is cut into words at spaces and the words are placed
// line by line, each piece of one run on one line becoming one control.
// Platform-free: the caller measures the words in its font.
#ifndef INSTALLER_LITE_INSTALLER_UI_TEXT_FLOW_H_
#define INSTALLER_LITE_INSTALLER_UI_TEXT_FLOW_H_

#include <cstddef>
#include <vector>

#include "base/strings.h"

namespace lite_installer {

struct TextRun {
  base::String16 text;
  bool is_link = false;
  bool operator==(const TextRun&) const = default;
};

// Cuts |text| at "((" and "))": the part between them is a link run and the
// markers are not shown. A "((" that is never closed and a "))" outside a
// link are not markup and stay in the text as they are, so that a
// mistranslated text shows its parentheses instead of losing words or
// turning the rest of the line into a link. Empty runs are left out.
std::vector<TextRun> SplitLinkRuns(const base::String16& text);

// The text as an accessible name: every "(" and ")" removed.
base::String16 RemoveParentheses(const base::String16& text);

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  // Width of |text| on one line in the caller's font.
  virtual int MeasureWidth(const base::String16& text) = 0;
};

enum class LineAlign { kCentre, kLeft };

struct TextPiece {
  base::String16 text;
  bool is_link = false;
  size_t run_index = 0;
  int line = 0;
  int x = 0;
  int y = 0;
  int width = 0;
};

struct TextFlow {
  std::vector<TextPiece> pieces;
  // Lines up to the last one that holds a piece (empty lines made by line
  // breaks before it count).
  int line_count = 0;
  // The last line's y plus the line height; 0 when nothing was placed.
  int height = 0;
};

// Places |runs| in a box |width| wide. Words are cut at spaces and placed
// left to right; a word that would pass the right edge starts a new line
// unless it is the first of its line, is made only of punctuation
// (".,:;?!") or follows the word before it without a space (the two are
// one word split by a link boundary). "\n", "\r\n" and a lone "\r" start a
// new line. Line n is at y = n * (line_height + 1).
//
// A piece is the consecutive words of one run on one line joined with single
// spaces; its width is the measured width of its text, and the next piece
// starts where it ends, plus the measured width of " " when a space
// separated them, so pieces never overlap and the fitting test uses the
// same widths as the placing. Centred lines are shifted by (width - line
// width) / 2, never to the left of the box.
TextFlow FlowText(const std::vector<TextRun>& runs,
                  TextMeasurer& measurer,
                  int width,
                  int line_height,
                  LineAlign align);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_TEXT_FLOW_H_
