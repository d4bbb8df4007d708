// The slide show against the local vendor services: the pictures a server
// holds, none, an answer that is not a picture, a download slower than its
// limit, and a pack destroyed in the middle of a slow download.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "base/win/scoped_handle_win.h"
#include "installer/lite_installer/ui/background_slides_pack_win.h"
#include "installer/lite_installer/ui/dpi_scale_win.h"
#include "installer/lite_installer/ui/slide_downloads.h"
#include "installer/lite_installer/ui/slide_player_win.h"
#include "installer/util/windows_version.h"
#include "installer/util/windows_version_win.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"
#include "tests/support/process_win.h"
#include "tests/support/vendor_services_win.h"
#include "tests/win/ui_test_support_win.h"

namespace lite_installer {
namespace {

// Bounds a broken run only: ten failed attempts take well under a second.
constexpr DWORD kThreadEndMs = 60000;

// A double-resolution picture |width| pixels wide, as the pack decodes it.
SlidePicture Picture(int width) {
  const std::string png = test::SolidPng(width, 20, 0xFF808080);
  auto picture = std::make_shared<ResourceBitmap>();
  EXPECT_TRUE(picture->LoadFromData(png.data(), png.size(), GetDpiScale() * 0.5));
  return picture;
}

int64_t g_now_us = 0;
int64_t FakeClock() {
  return g_now_us;
}

class SlidesTest : public test::UiTest {
 protected:
  // Each test serves its pictures from a folder of its own.
  std::string Folder() const {
    return std::string("/slides-test/") +
           ::testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
  }
  base::String16 BaseUrl() const { return base::ASCIIToUTF16(test::VendorUrl() + Folder()); }
  std::string PicturePath(int number) const {
    const bool windows8 = installer::GetWindowVersionNumber() >= installer::kWindows8;
    return Folder() + "x2/" + SlideFileName(number, true, windows8);
  }
  void Serve(int number, const std::string& bytes) {
    const std::wstring source = test::MakeUniqueTempDir() + L"picture";
    base::win::ScopedHandle file(::CreateFileW(source.c_str(), GENERIC_WRITE, 0, nullptr,
                                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    ASSERT_TRUE(
        ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    file.Reset();
    ASSERT_TRUE(vendor_.Serve(source, PicturePath(number)));
  }
  // This test's requests, at least |count| of them (the services journal an
  // answer just after it has gone).
  std::vector<nlohmann::json> Requests(size_t count) const {
    std::vector<nlohmann::json> records;
    test::WaitUntil([&] {
      records.clear();
      for (const nlohmann::json& record : vendor_.Records()) {
        if (record.value("path", "").rfind(Folder(), 0) == 0)
          records.push_back(record);
      }
      return records.size() >= count;
    });
    return records;
  }
  std::vector<std::string> Paths(size_t count) const {
    std::vector<std::string> paths;
    for (const nlohmann::json& record : Requests(count))
      paths.push_back(record.value("path", ""));
    return paths;
  }

  test::VendorServices vendor_;
};

TEST_F(SlidesTest, ServedPicturesFollowTheBuiltInSlideTenSecondsEach) {
  const int widths[] = {40, 60, 80};  // 02, 03, 04
  for (int i = 0; i < 3; ++i)
    Serve(2 + i, test::SolidPng(widths[i], 20, 0xFF0000FF));
  test::LogCapture log;
  const SlidePicture built_in = Picture(100);
  g_now_us = 0;
  SlidePlayer player(std::make_unique<BackgroundSlidesPack>(std::vector{built_in}, BaseUrl(), true),
                     {802, 430}, ::GetSysColorBrush(COLOR_WINDOW), &FakeClock);
  ASSERT_TRUE(player.pack()->WaitForDownloadsToEnd(kThreadEndMs));
  EXPECT_EQ(4u, player.pack()->SlideCount());
  // Each number once, then 05 until ten failures.
  std::vector<std::string> expected = {PicturePath(2), PicturePath(3), PicturePath(4)};
  expected.insert(expected.end(), 10, PicturePath(5));
  EXPECT_EQ(expected, Paths(13));

  EXPECT_EQ(built_in.get(), player.CurrentPicture());
  g_now_us += 9'999'999;
  EXPECT_FALSE(player.Advance());
  std::vector<int> shown;
  for (int slide = 1; slide <= 8; ++slide) {
    g_now_us += 10'000'000;
    EXPECT_TRUE(player.Advance()) << slide;
    EXPECT_EQ(slide, player.current_index());
    shown.push_back(player.CurrentPicture()->Width());
  }
  const int w02 = Picture(widths[0])->Width();
  const int w03 = Picture(widths[1])->Width();
  const int w04 = Picture(widths[2])->Width();
  const int w01 = built_in->Width();
  EXPECT_EQ(shown, (std::vector<int>{w02, w03, w04, w01, w02, w03, w04, w01}));
  EXPECT_TRUE(log.Has("INFO: Showing slide 8"));
}

TEST_F(SlidesTest, NothingServedEndsTheThreadAfterTenFailures) {
  const SlidePicture built_in = Picture(100);
  SlidePlayer player(std::make_unique<BackgroundSlidesPack>(std::vector{built_in}, BaseUrl(), true),
                     {802, 430}, ::GetSysColorBrush(COLOR_WINDOW), &FakeClock);
  ASSERT_TRUE(player.pack()->WaitForDownloadsToEnd(kThreadEndMs));
  EXPECT_EQ(1u, player.pack()->SlideCount());
  EXPECT_EQ(std::vector<std::string>(10, PicturePath(2)), Paths(10));
  // The built-in slide throughout, which needs no repaint.
  for (int slide = 1; slide <= 3; ++slide) {
    g_now_us += 10'000'000;
    EXPECT_FALSE(player.Advance());
    EXPECT_EQ(built_in.get(), player.CurrentPicture());
  }
}

TEST_F(SlidesTest, AnswerThatIsNoPictureIsLoggedAndNotAdded) {
  Serve(2, "this is not a picture");
  test::LogCapture log;
  BackgroundSlidesPack pack({Picture(100)}, BaseUrl(), true);
  ASSERT_TRUE(pack.WaitForDownloadsToEnd(kThreadEndMs));
  EXPECT_EQ(1u, pack.SlideCount());
  int logged = 0;
  for (const logging::LogRecord& record : log.records()) {
    if (record.message == "Failed to load a background slide bitmap from data downloaded from " +
                              test::VendorUrl() + PicturePath(2)) {
      ++logged;
      EXPECT_EQ("lite_installer::BackgroundSlidesPack::DownloadImage", record.function);
    }
  }
  // Every attempt asks for the same number again.
  EXPECT_EQ(10, logged);
  EXPECT_EQ(std::vector<std::string>(10, PicturePath(2)), Paths(10));
}

TEST_F(SlidesTest, DownloadSlowerThanItsLimitFailsAndTheNextAttemptAsksAgain) {
  // Noise does not compress: about 256 KiB at 32 KiB a second the first
  // time (8 seconds, past the 5-second limit), then at once.
  uint32_t seed = 12345;
  const std::string noise = test::EncodePng(256, 256, [&seed](int, int) {
    seed = seed * 1103515245 + 12345;
    return 0xFF000000 | (seed >> 8);
  });
  ASSERT_GT(noise.size(), 200000u);
  Serve(2, noise);
  ASSERT_TRUE(vendor_.AddFault(PicturePath(2) + ":rate=32768,count=1"));
  BackgroundSlidesPack pack({Picture(100)}, BaseUrl(), true);
  ASSERT_TRUE(pack.WaitForDownloadsToEnd(kThreadEndMs));
  EXPECT_EQ(2u, pack.SlideCount());
  // 02 given up once and then complete (the order the answers ended in
  // varies), then 03 until ten failures.
  int complete = 0;
  int given_up = 0;
  for (const nlohmann::json& record : Requests(12)) {
    if (record.value("path", "") == PicturePath(2))
      ++(record.value("complete", false) ? complete : given_up);
  }
  EXPECT_EQ(1, complete);
  EXPECT_EQ(1, given_up);
}

TEST_F(SlidesTest, DestroyingThePackDuringASlowDownloadWaitsOnlyForTheReadInProgress) {
  // 1 MiB at 64 KiB a second: 16 seconds in all, a read every half second.
  Serve(2, std::string(1024 * 1024, 'x'));
  ASSERT_TRUE(vendor_.AddFault(PicturePath(2) + ":rate=65536"));
  test::LogCapture log;
  auto pack = std::make_unique<BackgroundSlidesPack>(std::vector{Picture(100)}, BaseUrl(), true);
  base::win::ScopedHandle thread(::OpenThread(SYNCHRONIZE, FALSE, pack->download_thread_id()));
  ASSERT_TRUE(thread.IsValid());
  ASSERT_TRUE(log.WaitFor("Connection established: " + test::VendorUrl() + PicturePath(2)));

  const DWORD start = ::GetTickCount();
  pack.reset();
  const DWORD took = ::GetTickCount() - start;
  // The thread had left when the destructor returned, well before the
  // attempt's own 5-second limit.
  EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), ::WaitForSingleObject(thread.Get(), 0));
  EXPECT_LT(took, 2500u);
}

}  // namespace
}  // namespace lite_installer
