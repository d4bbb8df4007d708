#include "installer/lite_installer/config/cabinet_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include "tests/support/files_win.h"

namespace {

std::string Data(const char* name) {
  const char* dir = std::getenv("LITE_TEST_DATA");
  std::string path = dir ? dir : ".";
  path.append("/").append(name);
  return test::ReadWholeFile(test::FromUnixPath(path));
}

TEST(CabinetTest, ExtractsTheWantedFileOnly) {
  const std::string cabinet = Data("one.cab");
  ASSERT_FALSE(cabinet.empty());
  CabinetFiles files;
  ASSERT_TRUE(ExtractFilesFromCabinet(cabinet, "brand_config", &files));
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files["brand_config"], "// signature\r\n{\"brand_id\": \"velnor\"}\r\n");

  files["stale"] = "x";
  EXPECT_TRUE(ExtractFilesFromCabinet(cabinet, "partner_config", &files));
  EXPECT_TRUE(files.empty());
  // Names compare exactly.
  EXPECT_TRUE(ExtractFilesFromCabinet(cabinet, "BRAND_CONFIG", &files));
  EXPECT_TRUE(files.empty());
}

TEST(CabinetTest, EmptyWantedNameExtractsEverything) {
  for (const char* name : {"several.cab", "stored.cab"}) {
    CabinetFiles files;
    ASSERT_TRUE(ExtractFilesFromCabinet(Data(name), "", &files)) << name;
    EXPECT_EQ(files["partner_config"], "{\"partner_id\": \"p1\"}") << name;
    EXPECT_EQ(files.count("brand_config"), 1u) << name;
  }
  CabinetFiles files;
  ASSERT_TRUE(ExtractFilesFromCabinet(Data("several.cab"), "extra.txt", &files));
  ASSERT_EQ(files.size(), 1u);
  EXPECT_GT(files["extra.txt"].size(), 90000u);  // spans several compressed blocks
}

TEST(CabinetTest, EmptyFile) {
  CabinetFiles files;
  ASSERT_TRUE(ExtractFilesFromCabinet(Data("empty_file.cab"), "brand_config", &files));
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files["brand_config"], "");
}

TEST(CabinetTest, DamagedAndForeignBytesFail) {
  for (const char* name : {"damaged.cab", "not_a_cabinet.bin"}) {
    CabinetFiles files{{"stale", "x"}};
    EXPECT_FALSE(ExtractFilesFromCabinet(Data(name), "", &files)) << name;
    EXPECT_EQ(files.count("stale"), 0u) << name;
  }
  CabinetFiles files;
  EXPECT_FALSE(ExtractFilesFromCabinet("", "", &files));
}

}  // namespace
