#include "installer/lite_installer/ui/text_flow.h"

#include <algorithm>

namespace lite_installer {

namespace {

constexpr base::StringPiece16 kLinkOpen = u"((";
constexpr base::StringPiece16 kLinkClose = u"))";

// One word of a run, or a line break.
struct Token {
  bool is_break = false;
  base::String16 text;
  size_t run_index = 0;
  // One or more spaces stood between this word and the one before it.
  bool space_before = false;
};

std::vector<Token> Tokenize(const std::vector<TextRun>& runs) {
  std::vector<Token> tokens;
  bool pending_space = false;
  for (size_t run_index = 0; run_index < runs.size(); ++run_index) {
    const base::String16& text = runs[run_index].text;
    size_t i = 0;
    while (i < text.size()) {
      const char16_t c = text[i];
      if (c == u' ') {
        pending_space = true;
        ++i;
      } else if (c == u'\n' || c == u'\r') {
        tokens.push_back({true, {}, run_index, false});
        pending_space = false;
        i += (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
      } else {
        const size_t end = text.find_first_of(u" \r\n", i);
        const size_t stop = end == base::String16::npos ? text.size() : end;
        tokens.push_back({false, text.substr(i, stop - i), run_index, pending_space});
        pending_space = false;
        i = stop;
      }
    }
  }
  return tokens;
}

bool IsPunctuationOnly(const base::String16& word) {
  return !word.empty() && word.find_first_not_of(u".,:;?!") == base::String16::npos;
}

}  // namespace

std::vector<TextRun> SplitLinkRuns(const base::String16& text) {
  std::vector<TextRun> runs;
  base::String16 plain;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t open = text.find(kLinkOpen, pos);
    const size_t close =
        open == base::String16::npos ? open : text.find(kLinkClose, open + kLinkOpen.size());
    if (close == base::String16::npos) {
      // No further complete link: the rest is plain text, markers and all.
      plain.append(text, pos, base::String16::npos);
      break;
    }
    plain.append(text, pos, open - pos);
    if (!plain.empty())
      runs.push_back({std::move(plain), false});
    plain.clear();
    const size_t link_begin = open + kLinkOpen.size();
    if (close > link_begin)
      runs.push_back({text.substr(link_begin, close - link_begin), true});
    pos = close + kLinkClose.size();
  }
  if (!plain.empty())
    runs.push_back({std::move(plain), false});
  return runs;
}

base::String16 RemoveParentheses(const base::String16& text) {
  base::String16 result;
  result.reserve(text.size());
  for (const char16_t c : text) {
    if (c != u'(' && c != u')')
      result.push_back(c);
  }
  return result;
}

TextFlow FlowText(const std::vector<TextRun>& runs,
                  TextMeasurer& measurer,
                  int width,
                  int line_height,
                  LineAlign align) {
  TextFlow flow;
  const std::vector<Token> tokens = Tokenize(runs);
  const int space_width = measurer.MeasureWidth(u" ");
  int line = 0;
  int line_end = 0;  // Where the last piece of the line ends.
  bool line_has_words = false;
  bool piece_open = false;  // The last piece may still take words.

  for (const Token& token : tokens) {
    if (token.is_break) {
      ++line;
      line_end = 0;
      line_has_words = false;
      piece_open = false;
      continue;
    }
    const int word_width = measurer.MeasureWidth(token.text);
    const bool same_piece = piece_open && flow.pieces.back().run_index == token.run_index;
    base::String16 joined;
    int right = 0;
    if (same_piece) {
      // The piece is measured as a whole, its spaces included.
      const TextPiece& piece = flow.pieces.back();
      joined = piece.text + (token.space_before ? u" " : u"") + token.text;
      right = piece.x + measurer.MeasureWidth(joined);
    } else {
      const int gap = line_has_words && token.space_before ? space_width : 0;
      right = line_end + gap + word_width;
    }
    const bool may_break = line_has_words && token.space_before && !IsPunctuationOnly(token.text);
    if (may_break && right > width) {
      ++line;
      flow.pieces.push_back(
          {token.text, runs[token.run_index].is_link, token.run_index, line, 0, 0, word_width});
    } else if (same_piece) {
      TextPiece& piece = flow.pieces.back();
      piece.text = std::move(joined);
      piece.width = right - piece.x;
    } else {
      flow.pieces.push_back({token.text, runs[token.run_index].is_link, token.run_index, line,
                             right - word_width, 0, word_width});
    }
    line_end = flow.pieces.back().x + flow.pieces.back().width;
    line_has_words = true;
    piece_open = true;
  }

  if (flow.pieces.empty())
    return flow;
  flow.line_count = flow.pieces.back().line + 1;
  flow.height = (flow.line_count - 1) * (line_height + 1) + line_height;
  std::vector<int> line_widths(flow.line_count, 0);
  for (const TextPiece& piece : flow.pieces)
    line_widths[piece.line] = std::max(line_widths[piece.line], piece.x + piece.width);
  for (TextPiece& piece : flow.pieces) {
    if (align == LineAlign::kCentre)
      piece.x += std::max(0, (width - line_widths[piece.line]) / 2);
    piece.y = piece.line * (line_height + 1);
  }
  return flow;
}

}  // namespace lite_installer
