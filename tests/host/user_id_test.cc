#include "installer/util/user_id.h"

#include <gtest/gtest.h>

#include <map>
#include "tests/support/log_capture.h"

namespace {

using broupdater::UserIdRetrievalResult;

class FakeUserIdPlatform : public broupdater::UserIdPlatform {
 public:
  base::String16 GetUserIdFilePath(bool create) override {
    if (!has_path)
      return base::String16();
    created_directories |= create;
    return u"C:\\AppData\\Velnor\\ui";
  }
  bool FileExists(const base::String16& path) override { return files.count(path) != 0; }
  bool ReadFile(const base::String16& path, size_t limit, std::string* content) override {
    const auto it = files.find(path);
    if (it == files.end() || it->second.size() > limit)
      return false;
    *content = it->second;
    return true;
  }
  bool WriteFile(const base::String16& path, const std::string& content) override {
    if (!writable)
      return false;
    files[path] = content;
    return true;
  }
  std::string NewGuid() override { return "{01234567-89AB-CDEF-0123-456789ABCDEF}"; }
  bool MarkerExists() override { return marker; }
  // A user whose name cannot be read gets no marker.
  bool RememberUidIsCreated() override {
    if (!user_name_readable)
      return false;
    marker = true;
    return true;
  }

  std::map<base::String16, std::string> files;
  bool has_path = true;
  bool writable = true;
  bool marker = false;
  bool user_name_readable = true;
  bool created_directories = false;
};

constexpr char16_t kPath[] = u"C:\\AppData\\Velnor\\ui";

std::pair<std::string, UserIdRetrievalResult> Get(FakeUserIdPlatform* platform) {
  UserIdRetrievalResult result;
  std::string id = broupdater::GetUserId(platform, &result);
  return {id, result};
}

TEST(UserIdTest, FileSizesAtTheLimit) {
  test::LogCapture log;
  FakeUserIdPlatform platform;
  platform.marker = true;  // a rejected file must not lead to a new identifier here
  platform.files[kPath] = std::string(64, 'a');
  EXPECT_EQ(Get(&platform), std::make_pair(std::string(64, 'a'), broupdater::kUserIdReadOrCreated));
  platform.files[kPath] = std::string(65, 'a');
  EXPECT_EQ(Get(&platform).second, broupdater::kUserIdMarkerWithoutFile);
  EXPECT_TRUE(log.Has("ERROR: Incorrect User ID file content - "));
  platform.files[kPath] = std::string(66, 'a');
  log.Clear();
  EXPECT_EQ(Get(&platform).first, "");
  EXPECT_TRUE(log.Has("ERROR: Failed to read file C:\\AppData\\Velnor\\ui - "));
  platform.files[kPath] = "";
  EXPECT_EQ(Get(&platform).first, "");
  platform.files[kPath] = "{ID}\n";
  EXPECT_EQ(Get(&platform).first, "{ID}\n");
}

TEST(UserIdTest, CreatedOnceThenTheMarkerStopsANewOne) {
  test::LogCapture log;
  FakeUserIdPlatform platform;
  const int before = broupdater::GetUserIdRetrievalCount(broupdater::kUserIdReadOrCreated);
  EXPECT_EQ(Get(&platform), std::make_pair(std::string("{01234567-89AB-CDEF-0123-456789ABCDEF}"),
                                           broupdater::kUserIdReadOrCreated));
  EXPECT_TRUE(platform.created_directories);
  EXPECT_TRUE(platform.marker);
  EXPECT_EQ(platform.files[kPath], "{01234567-89AB-CDEF-0123-456789ABCDEF}");
  EXPECT_EQ(broupdater::GetUserIdRetrievalCount(broupdater::kUserIdReadOrCreated), before + 1);

  platform.files.clear();
  EXPECT_EQ(Get(&platform), std::make_pair(std::string(), broupdater::kUserIdMarkerWithoutFile));
  EXPECT_TRUE(log.Has("INFO: Registry entry already exists, skip User ID file generation"));
}

TEST(UserIdTest, FailuresGiveNoIdentifier) {
  test::LogCapture log;
  FakeUserIdPlatform no_path;
  no_path.has_path = false;
  EXPECT_EQ(Get(&no_path), std::make_pair(std::string(), broupdater::kUserIdNoFilePath));

  FakeUserIdPlatform read_only;
  read_only.writable = false;
  EXPECT_EQ(Get(&read_only), std::make_pair(std::string(), broupdater::kUserIdFileNotWritten));
  EXPECT_TRUE(log.Has("ERROR: Can't write file C:\\AppData\\Velnor\\ui - "));

  // No user name: the file is written, the marker is not, and this run
  // reports no identifier; the next run reads the file.
  FakeUserIdPlatform nameless;
  nameless.user_name_readable = false;
  EXPECT_EQ(Get(&nameless), std::make_pair(std::string(), broupdater::kUserIdMarkerNotWritten));
  EXPECT_TRUE(log.Has("ERROR: Can't create 'UI created' entry - "));
  EXPECT_EQ(nameless.files[kPath], "{01234567-89AB-CDEF-0123-456789ABCDEF}");
  EXPECT_EQ(Get(&nameless).second, broupdater::kUserIdReadOrCreated);
}

}  // namespace
