// What the built executable carries: its version and its manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "base/win/wide.h"
#include "installer/util/file_version.h"
#include "tests/support/files_win.h"

namespace {

std::wstring InstallerPath() {
  const char* path = std::getenv("LITE_INSTALLER_EXE");
  return test::FromUnixPath(path ? path : "lite_installer.exe");
}

TEST(ProgramImageTest, VersionResourceNamesTheRelease) {
  const std::wstring path = InstallerPath();
  DWORD handle = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &handle);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> data(size);
  ASSERT_TRUE(::GetFileVersionInfoW(path.c_str(), 0, size, data.data()));
  VS_FIXEDFILEINFO* info = nullptr;
  UINT info_size = 0;
  ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &info_size));
  EXPECT_EQ(info->dwFileVersionMS, (24u << 16) | 10u);
  EXPECT_EQ(info->dwFileVersionLS, (4u << 16) | 931u);
  EXPECT_EQ(info->dwProductVersionMS, info->dwFileVersionMS);
  EXPECT_EQ(info->dwProductVersionLS, info->dwFileVersionLS);
}

TEST(ProgramImageTest, FileVersionHelpersReadIt) {
  const std::wstring path = InstallerPath();
  EXPECT_EQ(GetFileVersionString(base::win::FromWide(path.c_str(), path.size())), "24.10.4.931");
  // A file without a version resource.
  const std::wstring dir = test::MakeUniqueTempDir();
  const base::String16 plain = base::win::FromWide(dir.c_str(), dir.size()) + u"plain.txt";
  ::CloseHandle(::CreateFileW(base::win::AsWide(plain), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                              nullptr));
  EXPECT_EQ(GetFileVersionString(plain), "0.0.0.0");
}

TEST(ProgramImageTest, ManifestAsksForNoElevationAndDeclaresDpiAwareness) {
  HMODULE image = ::LoadLibraryExW(InstallerPath().c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(image, nullptr);
  HRSRC resource = ::FindResourceW(image, MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_NE(resource, nullptr);
  const char* text = static_cast<const char*>(::LockResource(::LoadResource(image, resource)));
  const std::string manifest(text, ::SizeofResource(image, resource));
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
  ::FreeLibrary(image);
}

}  // namespace
