#include <gtest/gtest.h>

#include "installer/lite_installer/ui/message_dialog_layout.h"
#include "installer/lite_installer/ui/message_dialog_table.h"
#include "installer/lite_installer/ui/vendor_site_urls.h"
#include "resources/resource_ids.h"

namespace lite_installer {
namespace {

TEST(MessageDialogTableTest, ErrorCodesBringTheirDialogs) {
  struct Case {
    int code;
    bool download_disabled;
    std::optional<int> kind;
  };
  const Case cases[] = {
      {0, false, std::nullopt},          {0, true, std::nullopt},
      {1, false, kDownloadOfferDialog},  {2, false, kDownloadOfferDialog},
      {2, true, kLogFileDialog},         {3, false, kCryptoProDialog},
      {3, true, kCryptoProDialog},       {4, false, kWrongBitnessDialog},
      {5, false, kProgramFilesDialog},   {6, false, kFolderLockedDialog},
      {7, false, kDownloadOfferDialog},  {8, false, kDownloadOfferDialog},
      {9, false, kDownloadOfferDialog},  {9, true, kLogFileDialog},
      {-1, false, kDownloadOfferDialog}, {400, true, kLogFileDialog},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DialogKindForErrorCode(c.code, c.download_disabled), c.kind)
        << "code " << c.code << " disabled " << c.download_disabled;
  }
}

TEST(MessageDialogTableTest, EveryKindHasBothStylesWithTheirButtonsAndActions) {
  const int kinds[] = {0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13};
  for (int kind : kinds) {
    const auto redesigned = RedesignedDialogContent(kind);
    const auto classic = ClassicDialogContent(kind);
    ASSERT_TRUE(redesigned && classic) << kind;
    EXPECT_NE(redesigned->heading, 0u) << kind;
    EXPECT_NE(redesigned->first_button, 0u) << kind;
    EXPECT_NE(classic->heading, 0u) << kind;
    EXPECT_TRUE(classic->first_button || classic->second_button) << kind;
  }
  EXPECT_FALSE(RedesignedDialogContent(1));
  EXPECT_FALSE(RedesignedDialogContent(kDiskSpaceDialog));
  EXPECT_FALSE(ClassicDialogContent(12));

  const auto download = *RedesignedDialogContent(kDownloadOfferDialog);
  EXPECT_EQ(download.first_button, static_cast<uint32_t>(IDS_DOWNLOAD_REDESIGNED));
  EXPECT_EQ(download.second_button, static_cast<uint32_t>(IDS_STOP));
  EXPECT_EQ(download.first_picture, ButtonPicture::kYellow);
  EXPECT_EQ(download.action, FirstButtonAction::kOpenDownloadPage);
  EXPECT_EQ(RedesignedDialogContent(kHigherVersionDialog)->first_picture, ButtonPicture::kGrey);
  EXPECT_EQ(RedesignedDialogContent(kProgramFilesDialog)->text, 0u);
  EXPECT_EQ(RedesignedDialogContent(kProgramFilesDialog)->action,
            FirstButtonAction::kStartExistingBrowser);
  const auto log_file = *RedesignedDialogContent(kLogFileDialog);
  EXPECT_TRUE(log_file.text_ends_with_log_path);
  EXPECT_EQ(log_file.action, FirstButtonAction::kOpenFeedbackPage);
  EXPECT_EQ(RedesignedDialogContent(kWrongBitnessDialog)->action,
            FirstButtonAction::kOpenVendorSite);

  // Classic error dialogs have only Cancel and the wider error margins.
  const auto crypto = *ClassicDialogContent(kCryptoProDialog);
  EXPECT_EQ(crypto.first_button, 0u);
  EXPECT_EQ(crypto.second_button, static_cast<uint32_t>(IDS_ERROR_CANCEL));
  EXPECT_EQ(crypto.margins, ClassicMargins::kError);
  const auto classic_log = *ClassicDialogContent(kLogFileDialog);
  EXPECT_EQ(classic_log.text, static_cast<uint32_t>(IDS_SEE_LOG_FILE));
  EXPECT_TRUE(classic_log.text_ends_with_log_path);
  EXPECT_EQ(ClassicDialogContent(kDownloadOfferDialog)->margins, ClassicMargins::kMessage);
  EXPECT_EQ(ClassicDialogContent(kDownloadOfferDialog)->action,
            FirstButtonAction::kOpenDownloadPage);
  EXPECT_TRUE(ClassicDialogContent(kResumePromptDialog)->buttons_right_aligned);
  const auto disk = *ClassicDialogContent(kDiskSpaceDialog);
  EXPECT_EQ(disk.heading, static_cast<uint32_t>(IDS_DISK_SPACE_TITLE));
  EXPECT_EQ(disk.first_button, static_cast<uint32_t>(IDS_OK));
}

TEST(RedesignedDialogLayoutTest, SizesFromTheMeasuredTextsAtFactorOneAndTwo) {
  RedesignedDialogInput one;
  one.heading = {300, 22};
  one.text = {400, 34};
  one.first_label = {60, 16};
  one.close_button = {20, 20};
  one.rounded = true;
  const MessageDialogLayout a = LayoutRedesignedDialog(one);
  EXPECT_EQ(a.heading, (Rect{30, 30, 330, 52}));
  EXPECT_EQ(a.text, (Rect{30, 68, 430, 102}));
  EXPECT_EQ(a.size, (Size{480, 192}));
  EXPECT_EQ(a.first_button, (Rect{348, 126, 440, 162}));
  EXPECT_TRUE(a.second_button.IsEmpty());
  EXPECT_EQ(a.close_button, (Rect{450, 10, 470, 30}));
  EXPECT_EQ(a.corner_ellipse, 32);

  RedesignedDialogInput two;
  two.heading = {600, 44};
  two.text = {800, 68};
  two.first_label = {120, 32};
  two.second_label = {100, 32};
  two.close_button = {40, 40};
  two.factor = 2;
  const MessageDialogLayout b = LayoutRedesignedDialog(two);
  EXPECT_EQ(b.heading, (Rect{60, 60, 660, 104}));
  EXPECT_EQ(b.text, (Rect{60, 136, 860, 204}));
  EXPECT_EQ(b.size, (Size{960, 384}));
  EXPECT_EQ(b.second_button, (Rect{716, 252, 880, 324}));
  EXPECT_EQ(b.first_button, (Rect{512, 252, 696, 324}));
  // The close button stays 10 pixels from the corner at every factor.
  EXPECT_EQ(b.close_button, (Rect{910, 10, 950, 50}));
  EXPECT_EQ(b.corner_ellipse, 0);
}

TEST(RedesignedDialogLayoutTest, WideButtonsAndNoTextDecideTheSize) {
  RedesignedDialogInput input;
  input.heading = {100, 22};
  input.first_label = {200, 16};
  input.second_label = {150, 16};
  const MessageDialogLayout layout = LayoutRedesignedDialog(input);
  // Buttons 24 below the heading; 30 + 40 + 232 + 10 + 182 wide.
  EXPECT_EQ(layout.first_button.top, 52 + 24);
  EXPECT_EQ(layout.size.width, 30 + 40 + 232 + 10 + 182);
  EXPECT_EQ(layout.first_button.left, 30);
  EXPECT_EQ(layout.second_button.right, layout.size.width - 40);
}

TEST(ClassicDialogLayoutTest, PictureButtonsAndMarginSets) {
  ClassicDialogInput input;
  input.picture = {410, 186};
  input.button = {120, 28};
  input.has_second_button = true;
  const ClassicDialogLayout pair = LayoutClassicDialog(input);
  EXPECT_EQ(pair.dialog.size, (Size{397, 174}));
  EXPECT_EQ(pair.picture_x, -7);
  EXPECT_EQ(pair.picture_y, -4);
  EXPECT_EQ(pair.dialog.first_button, (Rect{40, 126, 160, 154}));
  EXPECT_EQ(pair.dialog.second_button, (Rect{170, 126, 290, 154}));
  EXPECT_EQ(pair.dialog.text, (Rect{40, 76, 367, 126}));
  EXPECT_EQ(pair.dialog.heading, (Rect{40, 30, 367, 76}));

  input.buttons_right_aligned = true;
  EXPECT_EQ(LayoutClassicDialog(input).dialog.first_button.left, 397 - 240 - 30 - 10);
  input.picture = {820, 372};
  input.button = {240, 56};
  input.factor = 2;
  const ClassicDialogLayout resume = LayoutClassicDialog(input);
  EXPECT_EQ(resume.dialog.size, (Size{794, 348}));
  // The last 10 of the pair's offset is not scaled.
  EXPECT_EQ(resume.dialog.first_button, (Rect{794 - 480 - 60 - 10, 252, 484, 308}));
  EXPECT_EQ(resume.dialog.second_button, (Rect{504, 252, 744, 308}));

  ClassicDialogInput error;
  error.picture = {410, 186};
  error.button = {120, 28};
  error.has_first_button = false;
  error.has_second_button = true;
  error.margins = ClassicMargins::kError;
  const ClassicDialogLayout only_second = LayoutClassicDialog(error);
  EXPECT_TRUE(only_second.dialog.first_button.IsEmpty());
  EXPECT_EQ(only_second.dialog.second_button, (Rect{138, 126, 258, 154}));
  EXPECT_EQ(only_second.dialog.text, (Rect{40, 56, 377, 126}));
  EXPECT_EQ(only_second.dialog.heading, (Rect{40, 20, 377, 56}));
}

TEST(DialogShadowLayoutTest, RedesignedPiecesMeetAroundTheDialog) {
  for (bool rounded : {true, false}) {
    for (double factor : {1.0, 1.5, 2.0}) {
      const Size dialog = {Scale(460, factor), Scale(234, factor)};
      const DialogShadowLayout layout = LayoutRedesignedDialogShadow(dialog, rounded, factor);
      const int m = Scale(8, factor);
      EXPECT_EQ(layout.size, (Size{dialog.width + 2 * m, dialog.height + 2 * m}));
      const auto& p = layout.pieces;
      // Corners and edges join: each edge runs from one corner to the next.
      EXPECT_EQ(p[1].left, p[0].right);
      EXPECT_EQ(p[1].right, p[2].left);
      EXPECT_EQ(p[3].top, p[2].bottom);
      EXPECT_EQ(p[3].bottom, p[4].top);
      EXPECT_EQ(p[5].left, p[6].right);
      EXPECT_EQ(p[5].right, p[4].left);
      EXPECT_EQ(p[7].top, p[0].bottom);
      EXPECT_EQ(p[7].bottom, p[6].top);
      EXPECT_EQ(p[4].right, layout.size.width);
      EXPECT_EQ(p[4].bottom, layout.size.height);
    }
  }
  const DialogShadowLayout one = LayoutRedesignedDialogShadow({460, 234}, true, 1);
  EXPECT_EQ(one.pieces[0], (Rect{0, 0, 25, 25}));
  EXPECT_EQ(one.pieces[1], (Rect{25, 0, 451, 9}));
  EXPECT_EQ(one.pieces[3], (Rect{467, 25, 476, 225}));
  const DialogShadowLayout square = LayoutRedesignedDialogShadow({920, 468}, false, 2);
  EXPECT_EQ(square.pieces[0], (Rect{0, 0, 18, 18}));
  EXPECT_EQ(square.pieces[1], (Rect{18, 0, 934, 18}));
}

TEST(DialogShadowLayoutTest, ClassicQuartersComeFromThePictureCorners) {
  const ClassicShadowLayout one = LayoutClassicDialogShadow({397, 174}, {410, 186}, 1);
  EXPECT_EQ(one.size, (Size{410, 186}));
  EXPECT_EQ(one.quarters[0], (Rect{0, 0, 205, 93}));
  EXPECT_EQ(one.sources[1], (Rect{205, 0, 410, 93}));
  EXPECT_EQ(one.sources[2], (Rect{205, 93, 410, 186}));
  EXPECT_EQ(one.cleared, (Rect{7, 4, 404, 178}));
  // At 1.5 the scaled shadow (10 + 9) and the picture's margin (19) agree;
  // every quarter is copied at its own size.
  const ClassicShadowLayout odd = LayoutClassicDialogShadow({596, 261}, {615, 279}, 1.5);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(odd.quarters[i].width(), odd.sources[i].width()) << i;
    EXPECT_EQ(odd.quarters[i].height(), odd.sources[i].height()) << i;
    EXPECT_GE(odd.sources[i].left, 0) << i;
  }
}

TEST(VendorSiteUrlsTest, DownloadPageCarriesOnlyItsKeysInOrder) {
  const DistribParamMap params = {{"clid", "123"}, {"lang", "ru"}};
  EXPECT_EQ(BuildDownloadPageUrl("https://site", params),
            "https://site/download?lang=ru&full=1&code=lite_install_failed");
  const DistribParamMap many = {
      {"vnpartner_id", "v"}, {"banerid", "7"}, {"partner_id", "p"}, {"x", "y"}, {"beta", "1"}};
  EXPECT_EQ(BuildDownloadPageUrl("https://site", many),
            "https://site/download?banerid=7&beta=1&partner_id=p&vnpartner_id=v&full=1&"
            "code=lite_install_failed");
  EXPECT_EQ(BuildDownloadPageUrl("https://site", {}),
            "https://site/download?full=1&code=lite_install_failed");
}

TEST(VendorSiteUrlsTest, HostileTagValuesAreEscaped) {
  const DistribParamMap params = {{"lang", "ru&code=x\" /c calc#"}, {"custo", "\xD0\x9F"}};
  EXPECT_EQ(BuildDownloadPageUrl("https://s", params),
            "https://s/download?custo=%D0%9F&lang=ru%26code%3Dx%22%20%2Fc%20calc%23&full=1&"
            "code=lite_install_failed");
}

TEST(VendorSiteUrlsTest, SitesByBrand) {
  EXPECT_EQ(VendorSiteUrl("https://s"), "https://s/?from=installer");
  EXPECT_EQ(FeedbackPageUrl("https://s"), "https://s/feedback/?from=installer");
  EXPECT_NE(BrowserSiteForBrand("velnor_tr"), BrowserSiteForBrand("velnor"));
  EXPECT_EQ(BrowserSiteForBrand("unknown"), BrowserSiteForBrand("velnor"));
}

}  // namespace
}  // namespace lite_installer
