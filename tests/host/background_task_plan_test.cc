#include "installer/lite_installer/engine/background_task_plan.h"

#include <gtest/gtest.h>

#include "installer/lite_installer/config/distrib_info_params.h"

namespace {

using lite_installer::BackgroundTaskPlan;
using lite_installer::PlanBackgroundTasks;

// The reserved items as "v a w s p" letters, "-" for an item not wanted.
std::string Reserved(const BackgroundTaskPlan& plan) {
  std::string letters;
  letters += plan.variations_update ? 'v' : '-';
  letters += plan.abt_update ? 'a' : '-';
  letters += plan.webntp ? 'w' : '-';
  letters += plan.server_config_bundle ? 's' : '-';
  letters += plan.preloaded_wallpaper_bundle ? 'p' : '-';
  return letters;
}

TEST(BackgroundTaskPlanTest, WithoutParametersOnlyTheTwoSeedsAreFetched) {
  DistribInfoParams distrib;
  EXPECT_EQ(Reserved(PlanBackgroundTasks(&distrib, "https://w/")), "va---");
  EXPECT_EQ(Reserved(PlanBackgroundTasks(nullptr, "https://w/")), "va---");
  EXPECT_FALSE(PlanBackgroundTasks(nullptr, "https://w/").fetch_wallpaper_bundle);
}

TEST(BackgroundTaskPlanTest, OnlyExactlyOneWantsTheFlagItems) {
  DistribInfoParams distrib;
  distrib.mutable_params() = {{"vup", "0"}, {"abtup", "2"}, {"webntp", "1"}, {"scup", "1"}};
  EXPECT_EQ(Reserved(PlanBackgroundTasks(&distrib, "")), "--ws-");
  // " 1", "01", "true" and an empty value are not "1"; a present key does
  // not fall back to the default.
  for (const char* value : {"", " 1", "01", "true", "11"}) {
    distrib.mutable_params() = {
        {"vup", value}, {"abtup", value}, {"webntp", value}, {"scup", value}};
    EXPECT_EQ(Reserved(PlanBackgroundTasks(&distrib, "")), "-----") << '"' << value << '"';
  }
}

TEST(BackgroundTaskPlanTest, AnyWallpaperValueReservesButOnlyABrandUrlFetches) {
  DistribInfoParams distrib;
  distrib.mutable_params() = {{"vup", "0"}, {"abtup", "0"}, {"pwexp", "abc"}};
  BackgroundTaskPlan plan = PlanBackgroundTasks(&distrib, "");
  EXPECT_EQ(Reserved(plan), "----p");
  EXPECT_FALSE(plan.fetch_wallpaper_bundle);

  plan = PlanBackgroundTasks(&distrib, "https://w/bundle-");
  EXPECT_EQ(Reserved(plan), "----p");
  EXPECT_TRUE(plan.fetch_wallpaper_bundle);
  EXPECT_EQ(plan.wallpaper_suffix, "abc");

  // "0" is a value like any other; an empty value wants nothing.
  distrib.mutable_params()["pwexp"] = "0";
  EXPECT_EQ(PlanBackgroundTasks(&distrib, "https://w/").wallpaper_suffix, "0");
  distrib.mutable_params()["pwexp"] = "";
  plan = PlanBackgroundTasks(&distrib, "https://w/");
  EXPECT_EQ(Reserved(plan), "-----");
  EXPECT_FALSE(plan.fetch_wallpaper_bundle);
}

}  // namespace
