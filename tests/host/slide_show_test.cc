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

std::vector<int> Positions(SlideOrder* order, size_t slide_count, int first, int end) {
  std::vector<int> positions;
  for (int index = first; index < end; ++index)
    positions.push_back(order->PositionFor(index, slide_count));
  return positions;
}

TEST(SlideOrderTest, BuiltInSlidesThenTheDownloadedOnesInALoop) {
  // Built-in, 02, 03, 04.
  SlideOrder one(1);
  EXPECT_EQ(Positions(&one, 4, 0, 10), (std::vector<int>{0, 1, 2, 3, 0, 1, 2, 3, 0, 1}));
  EXPECT_FALSE(one.title_slide_shown());
  // Title background, built-in, 02, 03, 04: the background only once.
  SlideOrder two(2);
  EXPECT_EQ(two.PositionFor(0, 5), 0);
  EXPECT_TRUE(two.title_slide_shown());
  EXPECT_EQ(Positions(&two, 5, 1, 14), (std::vector<int>{1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 1}));
  EXPECT_FALSE(two.title_slide_shown());
  EXPECT_EQ(SlideOrder(1).PositionFor(0, 0), -1);
}

TEST(SlideOrderTest, TitleNeverReturnsAndNoNumberIsSkippedWhileTheListGrows) {
  SlideOrder order(2);
  EXPECT_EQ(order.NextDownloadNumber(2), 2);
  EXPECT_EQ(order.PositionFor(0, 2), 0);
  size_t slides = 2;
  for (int index = 1; index < 300; ++index) {
    if (index % 7 == 0 && slides < 30)
      ++slides;
    const int position = order.PositionFor(index, slides);
    ASSERT_GT(position, 0) << "index " << index << " of " << slides;
    ASSERT_LT(position, static_cast<int>(slides));
  }
  // 02 .. 29 are in the list: the next is 30, whatever rounds were shown.
  EXPECT_EQ(order.NextDownloadNumber(30), 30);
  EXPECT_EQ(SlideOrder(1).NextDownloadNumber(4), 5);
}

TEST(SlideDownloadsTest, NamesAddressesAndTheBaseUrl) {
  EXPECT_EQ(SlideFileName(2, true, true), "02.png");
  EXPECT_EQ(SlideFileName(10, true, true), "10.png");
  // Windows 7 and older, or PNG not allowed: JPEG.
  EXPECT_EQ(SlideFileName(9, true, false), "09.jpg");
  EXPECT_EQ(SlideFileName(3, false, true), "03.jpg");
  EXPECT_EQ(SlideAddress(u"http://cdn/slides/", "02.png"), u"http://cdn/slides/x2/02.png");

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

TEST(SlideScheduleTest, TenSecondsPerSlideAtTheBottomLeft) {
  SlideSchedule schedule(5'000'000);
  EXPECT_FALSE(schedule.Advance(14'999'999));
  EXPECT_EQ(schedule.index(), 0);
  EXPECT_TRUE(schedule.Advance(15'000'000));
  EXPECT_EQ(schedule.index(), 1);
  // A late tick: the next slide's time counts from when it came.
  EXPECT_TRUE(schedule.Advance(30'000'000));
  EXPECT_EQ(schedule.index(), 2);
  EXPECT_FALSE(schedule.Advance(39'999'999));

  EXPECT_EQ(SlideDestination({802, 430}, {802, 430}), (Rect{0, 0, 802, 430}));
  EXPECT_EQ(SlideDestination({400, 200}, {802, 430}), (Rect{0, 230, 400, 430}));
  EXPECT_EQ(SlideDestination({1000, 500}, {802, 430}), (Rect{0, -70, 802, 430}));
}

}  // namespace
}  // namespace lite_installer
