#include <gtest/gtest.h>

#include <cmath>

#include "installer/lite_installer/ui/progress_text.h"
#include "installer/lite_installer/ui/text_flow.h"

namespace lite_installer {
namespace {

// Spaces 3 pixels, everything else 7.
class FixedMeasurer : public TextMeasurer {
 public:
  int MeasureWidth(const base::String16& text) override {
    int width = 0;
    for (const char16_t c : text)
      width += c == u' ' ? 3 : 7;
    return width;
  }
};

std::vector<base::String16> Texts(const TextFlow& flow) {
  std::vector<base::String16> texts;
  for (const TextPiece& piece : flow.pieces)
    texts.push_back(piece.text);
  return texts;
}

TEST(SplitLinkRunsTest, CutsAtTheMarkersAndKeepsUnbalancedOnesAsText) {
  EXPECT_EQ(SplitLinkRuns(u"By clicking Install, you accept the ((License agreement))."),
            (std::vector<TextRun>{{u"By clicking Install, you accept the ", false},
                                  {u"License agreement", true},
                                  {u".", false}}));
  EXPECT_EQ(SplitLinkRuns(u"((a))((b))"), (std::vector<TextRun>{{u"a", true}, {u"b", true}}));
  EXPECT_EQ(SplitLinkRuns(u"x (()) y"), (std::vector<TextRun>{{u"x ", false}, {u" y", false}}));
  EXPECT_TRUE(SplitLinkRuns(u"").empty());
  // Nothing is lost and nothing turns into a link by accident.
  EXPECT_EQ(SplitLinkRuns(u"see ((terms"), (std::vector<TextRun>{{u"see ((terms", false}}));
  EXPECT_EQ(SplitLinkRuns(u"a )) b ((c)) d (("),
            (std::vector<TextRun>{{u"a )) b ", false}, {u"c", true}, {u" d ((", false}}));
  EXPECT_EQ(SplitLinkRuns(u"(((x)))"), (std::vector<TextRun>{{u"(x", true}, {u")", false}}));
  EXPECT_EQ(RemoveParentheses(u"the ((License agreement)) (c)"), u"the License agreement c");
}

TEST(FlowTextTest, WrapsWordsAndKeepsPunctuationAfterALink) {
  FixedMeasurer measurer;
  // "accept the" ends at 7*6+3+7*3 = 66; "License" would end at 66+3+49 =
  // 118, past 116.
  const TextFlow flow = FlowText(SplitLinkRuns(u"accept the ((License agreement))."), measurer, 116,
                                 16, LineAlign::kLeft);
  EXPECT_EQ(Texts(flow), (std::vector<base::String16>{u"accept the", u"License agreement", u"."}));
  ASSERT_EQ(flow.pieces.size(), 3u);
  EXPECT_EQ(flow.pieces[0].line, 0);
  EXPECT_EQ(flow.pieces[0].width, 66);
  EXPECT_FALSE(flow.pieces[0].is_link);
  // The link's two words share a line and make one piece, 115 wide.
  EXPECT_EQ(flow.pieces[1].line, 1);
  EXPECT_TRUE(flow.pieces[1].is_link);
  EXPECT_EQ(flow.pieces[1].run_index, 1u);
  EXPECT_EQ(flow.pieces[1].x, 0);
  EXPECT_EQ(flow.pieces[1].width, 115);
  EXPECT_EQ(flow.pieces[1].y, 17);
  // The full stop follows the link without a gap, on its line, although it
  // ends at 122.
  EXPECT_EQ(flow.pieces[2].line, 1);
  EXPECT_EQ(flow.pieces[2].x, 115);
  EXPECT_EQ(flow.pieces[2].run_index, 2u);
  EXPECT_EQ(flow.line_count, 2);
  EXPECT_EQ(flow.height, 17 + 16);
}

TEST(FlowTextTest, PunctuationAfterASpaceAndWordsGluedToALinkStayOnTheLine) {
  FixedMeasurer measurer;
  // "aaaa" ends at 28; " ?" would end at 38 > 30 but stays.
  TextFlow flow = FlowText({{u"aaaa ?", false}}, measurer, 30, 10, LineAlign::kLeft);
  EXPECT_EQ(Texts(flow), (std::vector<base::String16>{u"aaaa ?"}));
  EXPECT_EQ(flow.line_count, 1);
  // "bb" is glued to the link: no place to break between them.
  flow = FlowText({{u"aaa", true}, {u"bb cc", false}}, measurer, 30, 10, LineAlign::kLeft);
  ASSERT_EQ(flow.pieces.size(), 3u);
  EXPECT_EQ(flow.pieces[1].text, u"bb");
  EXPECT_EQ(flow.pieces[1].line, 0);
  EXPECT_EQ(flow.pieces[1].x, 21);
  EXPECT_EQ(flow.pieces[2].text, u"cc");
  EXPECT_EQ(flow.pieces[2].line, 1);
  EXPECT_EQ(flow.pieces[2].x, 0);
}

TEST(FlowTextTest, CentresEachLineAndNeverShiftsAnOverWideLineLeft) {
  FixedMeasurer measurer;
  const TextFlow flow = FlowText({{u"aa ", false}, {u"bbbbbbbbbbbbbbbb", true}, {u" c", false}},
                                 measurer, 101, 20, LineAlign::kCentre);
  ASSERT_EQ(flow.pieces.size(), 3u);
  EXPECT_EQ(flow.pieces[0].x, (101 - 14) / 2);  // 43, integer division
  EXPECT_EQ(flow.pieces[1].line, 1);
  EXPECT_EQ(flow.pieces[1].x, 0);  // 112 wide: clamped, not -5
  EXPECT_EQ(flow.pieces[2].line, 2);
  EXPECT_EQ(flow.pieces[2].x, 47);
  EXPECT_EQ(flow.pieces[2].y, 42);
  // Left-aligned lines start at 0; a space between runs is a measured gap.
  const TextFlow left =
      FlowText({{u"aa ", false}, {u"b", true}}, measurer, 101, 20, LineAlign::kLeft);
  EXPECT_EQ(left.pieces[1].x, 14 + 3);
}

TEST(FlowTextTest, LineBreaksStartLinesAndCountEmptyOnes) {
  FixedMeasurer measurer;
  const TextFlow flow =
      FlowText({{u"a\r\nb\n\nc ", false}, {u"d\re", true}}, measurer, 1000, 10, LineAlign::kLeft);
  EXPECT_EQ(Texts(flow), (std::vector<base::String16>{u"a", u"b", u"c", u"d", u"e"}));
  const int lines[] = {0, 1, 3, 3, 4};
  for (size_t i = 0; i < flow.pieces.size(); ++i)
    EXPECT_EQ(flow.pieces[i].line, lines[i]) << i;
  EXPECT_EQ(flow.pieces[3].x, 7 + 3);
  EXPECT_EQ(flow.pieces[4].x, 0);
  EXPECT_EQ(flow.line_count, 5);
  EXPECT_EQ(flow.height, 4 * 11 + 10);
  // A trailing break adds no line; nothing at all has no height.
  EXPECT_EQ(FlowText({{u"a\n", false}}, measurer, 100, 10, LineAlign::kLeft).line_count, 1);
  const TextFlow empty = FlowText({{u"  \n", false}}, measurer, 100, 10, LineAlign::kCentre);
  EXPECT_TRUE(empty.pieces.empty());
  EXPECT_EQ(empty.line_count, 0);
  EXPECT_EQ(empty.height, 0);
}

TEST(FlowTextTest, PiecesOfOneLineNeverOverlapAndStayInsideTheWidth) {
  FixedMeasurer measurer;
  const auto runs = SplitLinkRuns(
      u"Help make Velnor Browser better by sending usage statistics and crash reports to "
      u"Velnor. ((Privacy policy))");
  for (int width : {40, 90, 150, 230, 400}) {
    SCOPED_TRACE(width);
    const TextFlow flow = FlowText(runs, measurer, width, 12, LineAlign::kLeft);
    for (size_t i = 0; i < flow.pieces.size(); ++i) {
      const TextPiece& piece = flow.pieces[i];
      EXPECT_EQ(piece.width, measurer.MeasureWidth(piece.text));
      if (piece.x > 0) {
        EXPECT_LE(piece.x + piece.width, width) << base::UTF16ToUTF8(piece.text);
      }
      if (i > 0 && flow.pieces[i - 1].line == piece.line) {
        EXPECT_GE(piece.x, flow.pieces[i - 1].x + flow.pieces[i - 1].width);
      }
    }
    EXPECT_TRUE(flow.pieces.back().is_link);
  }
}

TEST(ProgressTextTest, DownloadCoversFiveToForty) {
  EXPECT_EQ(DownloadProgressPercent(0.0f), 5);
  EXPECT_EQ(DownloadProgressPercent(1.0f), 40);
  EXPECT_EQ(DownloadProgressPercent(0.5f), 22);  // 22.5 truncated
  EXPECT_EQ(DownloadProgressPercent(-3.0f), 5);
  EXPECT_EQ(DownloadProgressPercent(7.0f), 40);
  EXPECT_EQ(DownloadProgressPercent(std::nanf("")), 5);
  int previous = 5;
  for (int i = 0; i <= 1000; ++i) {
    const int percent = DownloadProgressPercent(static_cast<float>(i) / 1000);
    EXPECT_GE(percent, previous);
    EXPECT_EQ(percent, 5 + 35 * i / 1000) << i;
    previous = percent;
  }
}

TEST(ProgressTextTest, ImportCoversEightyToHundredInSinglePrecision) {
  // Single precision lands on or just above every multiple of 5, so
  // truncation never loses a whole percent: 80 + a / 5 throughout.
  for (int a = 0; a <= 100; ++a)
    EXPECT_EQ(ImportProgressPercent(a), 80 + a / 5) << a;
  EXPECT_EQ(ImportProgressPercent(4), 80);  // 80.8
  EXPECT_EQ(ImportProgressPercent(5), 81);  // exactly 81
  EXPECT_EQ(ImportProgressPercent(50), 90);
  EXPECT_EQ(ImportProgressPercent(99), 99);  // 99.8
  EXPECT_EQ(ImportProgressPercent(-20), 80);
  EXPECT_EQ(ImportProgressPercent(1000), 100);
  EXPECT_EQ(InstallStageProgressPercent(5), 75);
  EXPECT_EQ(InstallStageProgressPercent(7), 79);
  for (int code : {0, 4, 6, 8, -5})
    EXPECT_EQ(InstallStageProgressPercent(code), 0) << code;
}

TEST(ProgressTextTest, StagesTextAndFill) {
  EXPECT_EQ(ProgressStageFor(0), ProgressStage::kDownloading);
  EXPECT_EQ(ProgressStageFor(40), ProgressStage::kDownloading);
  EXPECT_EQ(ProgressStageFor(41), ProgressStage::kInstalling);
  EXPECT_EQ(ProgressStageFor(90), ProgressStage::kInstalling);
  EXPECT_EQ(ProgressStageFor(91), ProgressStage::kAlmostDone);
  EXPECT_EQ(ProgressStageStringId(ProgressStageFor(40)), 412);
  EXPECT_EQ(ProgressStageStringId(ProgressStageFor(41)), 413);
  EXPECT_EQ(ProgressStageStringId(ProgressStageFor(100)), 414);
  EXPECT_EQ(FormatProgressText(u"Installing...", 75), u"Installing... 75%");
  EXPECT_EQ(FormatProgressText(u"Downloading...", 0), u"Downloading... 0%");
  EXPECT_EQ(ProgressFillWidth(393, 0, 100, 50), 196);
  EXPECT_EQ(ProgressFillWidth(393, 0, 100, 100), 393);
  EXPECT_EQ(ProgressFillWidth(393, 0, 100, 150), 393);
  EXPECT_EQ(ProgressFillWidth(393, 0, 100, -1), 0);
  EXPECT_EQ(ProgressFillWidth(300, 50, 150, 100), 150);
  EXPECT_EQ(ProgressFillWidth(393, 100, 100, 100), 0);
  EXPECT_EQ(ProgressFillWidth(393, 100, 0, 50), 0);
  EXPECT_EQ(ProgressFillWidth(2000000000, 0, 100, 99), 1980000000);
}

}  // namespace
}  // namespace lite_installer
