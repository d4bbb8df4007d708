// The slide show's decisions: show order, download numbering and addresses,
// when the download thread gives up, timing and placement.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installer/lite_installer/config/brand_info.h"
#include "installer/lite_installer/ui/slide_downloads.h"
#include "installer/lite_installer/ui/slide_order.h"
#include "installer/lite_installer/ui/slide_schedule.h"
#include "installer/service_origins.h"

namespace lite_installer {
namespace {

// The positions of indexes 0 .. count - 1 in a list of |slide_count|.
std::vector<int> Positions(SlideOrder* order, size_t slide_count, int count) {
  std::vector<int> positions;
  for (int index = 0; index < count; ++index)
    positions.push_back(order->PositionFor(index, slide_count));
  return positions;
}

TEST(SlideOrderTest, OneBuiltInSlideLoopsWithTheDownloadedOnes) {
  // Built-in, 02, 03, 04.
  SlideOrder order(1);
  EXPECT_EQ(Positions(&order, 4, 10), (std::vector<int>{0, 1, 2, 3, 0, 1, 2, 3, 0, 1}));
  EXPECT_FALSE(order.title_slide_shown());
}

TEST(SlideOrderTest, TitleBackgroundLeadsOnlyTheFirstRound) {
  // Title background, built-in, 02, 03, 04.
  SlideOrder order(2);
  EXPECT_EQ(order.PositionFor(0, 5), 0);
  EXPECT_TRUE(order.title_slide_shown());
  EXPECT_EQ(order.PositionFor(1, 5), 1);
  EXPECT_FALSE(order.title_slide_shown());
  std::vector<int> rest;
  for (int index = 2; index < 14; ++index)
    rest.push_back(order.PositionFor(index, 5));
  EXPECT_EQ(rest, (std::vector<int>{2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 1}));
  EXPECT_FALSE(order.title_slide_shown());
}

TEST(SlideOrderTest, TitleBackgroundNeverReturnsWhileTheListGrows) {
  SlideOrder order(2);
  EXPECT_EQ(order.PositionFor(0, 2), 0);
  size_t slides = 2;
  for (int index = 1; index < 300; ++index) {
    if (index % 7 == 0 && slides < 30)
      ++slides;
    const int position = order.PositionFor(index, slides);
    ASSERT_GT(position, 0) << "index " << index << " of " << slides;
    ASSERT_LT(position, static_cast<int>(slides));
  }
}

TEST(SlideOrderTest, EmptyListHasNothingToShow) {
  SlideOrder order(1);
  EXPECT_EQ(order.PositionFor(0, 0), -1);
  EXPECT_EQ(order.PositionFor(3, 0), -1);
}

TEST(SlideOrderTest, DownloadsAreNumberedFromTwoAndNoneIsSkipped) {
  SlideOrder one(1);
  EXPECT_EQ(one.NextDownloadNumber(1), 2);
  EXPECT_EQ(one.NextDownloadNumber(4), 5);
  SlideOrder two(2);
  EXPECT_EQ(two.NextDownloadNumber(2), 2);
  EXPECT_EQ(two.NextDownloadNumber(4), 4);
  // After the title background has left the show, the next picture is still
  // the one after the last downloaded.
  Positions(&two, 4, 9);
  EXPECT_EQ(two.NextDownloadNumber(4), 4);
}

TEST(SlideDownloadsTest, FileNamesHaveTwoDigitsAndTheSystemsFormat) {
  EXPECT_EQ(SlideFileName(2, true, true), "02.png");
  EXPECT_EQ(SlideFileName(9, true, true), "09.png");
  EXPECT_EQ(SlideFileName(10, true, true), "10.png");
  EXPECT_EQ(SlideFileName(123, true, true), "123.png");
  // Windows 7 and older, or PNG not allowed: JPEG.
  EXPECT_EQ(SlideFileName(2, true, false), "02.jpg");
  EXPECT_EQ(SlideFileName(11, true, false), "11.jpg");
  EXPECT_EQ(SlideFileName(3, false, true), "03.jpg");
}

TEST(SlideDownloadsTest, AddressIsTheDoubleResolutionPicture) {
  EXPECT_EQ(SlideAddress(u"http://cdn/slides/", "02.png"), u"http://cdn/slides/x2/02.png");
}

TEST(SlideDownloadsTest, BaseUrlIsTheBrandsElseTheLanguageFolderOfTheCdn) {
  BrandInfo brand;
  brand.language = "ru";
  brand.slide_url = "https://slides.example/brand/";
  brand.slide_url_if_tagged = "https://slides.example/tagged/";
  EXPECT_EQ(GetSlidesBaseUrl(brand), u"https://slides.example/brand/");
  brand.slide_url.clear();
  EXPECT_EQ(GetSlidesBaseUrl(brand), base::UTF8ToUTF16(std::string(installer::kDownloadOrigin) +
                                                       "/browser/installer/new-identity/ru/"));
}

TEST(SlideDownloadsTest, TenFailuresInARowEndTheDownloads) {
  SlideDownloadFailures failures;
  for (int i = 0; i < 9; ++i)
    ASSERT_TRUE(failures.Record(false));
  // A success starts the count over.
  EXPECT_TRUE(failures.Record(true));
  for (int i = 0; i < 9; ++i)
    ASSERT_TRUE(failures.Record(false)) << i;
  EXPECT_FALSE(failures.Record(false));
}

TEST(SlideScheduleTest, EachSlideStaysTenSeconds) {
  constexpr int64_t kStart = 5'000'000;
  SlideSchedule schedule(kStart);
  EXPECT_EQ(schedule.index(), 0);
  EXPECT_FALSE(schedule.Advance(kStart + 9'999'999));
  EXPECT_EQ(schedule.index(), 0);
  EXPECT_TRUE(schedule.Advance(kStart + 10'000'000));
  EXPECT_EQ(schedule.index(), 1);
  // A late tick: the next slide's time counts from when it came.
  EXPECT_FALSE(schedule.Advance(kStart + 19'999'999));
  EXPECT_TRUE(schedule.Advance(kStart + 25'000'000));
  EXPECT_EQ(schedule.index(), 2);
  EXPECT_FALSE(schedule.Advance(kStart + 34'999'999));
  EXPECT_TRUE(schedule.Advance(kStart + 35'000'000));
  EXPECT_EQ(schedule.index(), 3);
}

TEST(SlideScheduleTest, SlidesSitAtTheBottomLeftNoWiderThanTheWindow) {
  EXPECT_EQ(SlideDestination({802, 430}, {802, 430}), (Rect{0, 0, 802, 430}));
  EXPECT_EQ(SlideDestination({400, 200}, {802, 430}), (Rect{0, 230, 400, 430}));
  EXPECT_EQ(SlideDestination({1000, 200}, {802, 430}), (Rect{0, 230, 802, 430}));
  EXPECT_EQ(SlideDestination({802, 500}, {802, 430}), (Rect{0, -70, 802, 430}));
  EXPECT_EQ(SlideDestination({0, 0}, {802, 430}), (Rect{0, 430, 0, 430}));
}

}  // namespace
}  // namespace lite_installer
