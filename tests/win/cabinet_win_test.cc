#include "installer/lite_installer/config/cabinet_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>

#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"

// Frees of addresses on the calling thread's stack are counted, not done: a
// callback that frees a handle living on the extraction's stack would
// otherwise corrupt the heap without a visible effect here.
namespace {
int g_stack_frees = 0;

// The stack is one allocation: compare the allocation holding |pointer|
// with the one holding a local variable.
bool OnThisStack(const void* pointer) {
  MEMORY_BASIC_INFORMATION stack;
  MEMORY_BASIC_INFORMATION target;
  const int local = 0;
  if (!::VirtualQuery(&local, &stack, sizeof(stack)) ||
      !::VirtualQuery(pointer, &target, sizeof(target))) {
    return false;
  }
  return stack.AllocationBase == target.AllocationBase;
}
}  // namespace

void operator delete(void* pointer) noexcept {
  if (pointer && OnThisStack(pointer)) {
    ++g_stack_frees;
    return;
  }
  std::free(pointer);
}

void operator delete(void* pointer, size_t) noexcept {
  ::operator delete(pointer);
}

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

TEST(CabinetTest, FileAtTheSizeCapIsExtracted) {
  CabinetFiles files;
  ASSERT_TRUE(ExtractFilesFromCabinet(Data("at_cap.cab"), "", &files));
  EXPECT_EQ(files["big"].size(), kMaxCabinetFileSize);
}

// Every hostile cabinet: a failure, its logged error, no file cut short in
// the map, and no handle freed that the extraction did not allocate.
TEST(CabinetTest, HostileCabinetsFailCleanly) {
  struct Case {
    const char* name;
    const char* wanted;
    const char* logged;
  };
  const Case cases[] = {
      {"hostile_cut_header.cab", "", "Failed to extract from cabinet"},
      {"hostile_cut_files.cab", "", "Failed to extract from cabinet"},
      {"hostile_cut_data_header.cab", "", "brand_config has 0 bytes of the 38"},
      {"hostile_cut_first_block.cab", "", "brand_config has 0 bytes of the 38"},
      {"hostile_cut_late.cab", "extra.txt", "bytes of the 94565 it declares"},
      {"hostile_corrupt_data.cab", "", "brand_config has 0 bytes of the 38"},
      {"hostile_wrong_compression.cab", "", "Failed to extract from cabinet"},
      {"hostile_huge_declared.cab", "", "declares 2147483632 bytes"},
      {"hostile_over_cap.cab", "", "declares 4194305 bytes, more than 4194304"},
      {"hostile_total_over_cap.cab", "", "or than what is left of 8388608"},
      {"hostile_many_files.cab", "", "Cabinet holds more than 64 files"},
      {"hostile_empty.cab", "", "Failed to extract from cabinet"},
      {"hostile_garbage.cab", "", "Failed to extract from cabinet"},
      {"hostile_files_past_end.cab", "", "Failed to extract from cabinet"},
  };
  std::map<std::string, size_t> whole_sizes;
  std::istringstream listing(Data("whole_sizes.txt"));
  std::string name;
  size_t size = 0;
  while (listing >> name >> size)
    whole_sizes[name] = size;
  ASSERT_EQ(whole_sizes.count("extra.txt"), 1u);

  for (const Case& item : cases) {
    SCOPED_TRACE(item.name);
    const std::string cabinet = Data(item.name);
    test::LogCapture log;
    const int stack_frees = g_stack_frees;
    CabinetFiles files{{"stale", "x"}};
    EXPECT_FALSE(ExtractFilesFromCabinet(cabinet, item.wanted, &files));
    EXPECT_TRUE(log.Has(item.logged)) << testing::PrintToString(log.Lines());
    EXPECT_EQ(g_stack_frees, stack_frees);
    EXPECT_EQ(files.count("stale"), 0u);
    // Only whole files may come out.
    for (const auto& [name, content] : files) {
      const auto size = whole_sizes.find(name);
      if (size == whole_sizes.end() || size->second != content.size())
        ADD_FAILURE() << "handed on " << name << " (" << content.size() << " bytes)";
    }
  }
  // The library still works after all of them.
  CabinetFiles files;
  EXPECT_TRUE(ExtractFilesFromCabinet(Data("several.cab"), "", &files));
  EXPECT_EQ(files.size(), 3u);
}

// A cabinet.dll planted under a %WINDIR% and %SYSTEMROOT% the user chose is
// never loaded (the test runs with native DLLs preferred, as on Windows).
TEST(CabinetTest, LibraryComesFromTheSystemDirectoryWhateverTheEnvironment) {
  const char* planted = std::getenv("LITE_PLANTED_CABINET");
  ASSERT_NE(planted, nullptr);
  const std::wstring windows = test::MakeUniqueTempDir();
  ASSERT_TRUE(::CreateDirectoryW((windows + L"system32").c_str(), nullptr));
  ASSERT_TRUE(::CopyFileW(test::FromUnixPath(planted).c_str(),
                          (windows + L"system32\\cabinet.dll").c_str(), FALSE));
  ::SetEnvironmentVariableW(L"WINDIR", windows.c_str());
  ::SetEnvironmentVariableW(L"SYSTEMROOT", windows.c_str());

  ASSERT_TRUE(LoadCabinetLibrary());
  HMODULE module = ::GetModuleHandleW(L"cabinet.dll");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(::GetProcAddress(module, "planted_cabinet_marker"), nullptr);
  CabinetFiles files;
  EXPECT_TRUE(ExtractFilesFromCabinet(Data("one.cab"), "brand_config", &files));
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
