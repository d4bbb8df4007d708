#include "installer/lite_installer/config/brand_platform_win.h"

#include <windows.h>

#include "base/win/file_io_win.h"
#include "base/win/resource_bytes_win.h"
#include "base/win/wide.h"
#include "installer/lite_installer/config/cabinet_win.h"

namespace {

std::string LoadBinResource(const wchar_t* name) {
  return std::string(base::win::ResourceBytes(nullptr, name, L"BIN"));
}

}  // namespace

std::string BrandPlatformWin::LoadPackage(uint16_t id) {
  return LoadBinResource(MAKEINTRESOURCEW(id));
}

std::string BrandPlatformWin::LoadPackage(const std::string& name) {
  const base::String16 wide = base::ASCIIToUTF16(name);
  return LoadBinResource(base::win::AsWide(wide));
}

bool BrandPlatformWin::WriteFile(const base::String16& path, std::string_view bytes) {
  return base::win::WriteWholeFile(path, bytes);
}

void BrandPlatformWin::RemoveFile(const base::String16& path) {
  ::DeleteFileW(base::win::AsWide(path));
}

bool BrandPlatformWin::ExtractCabinet(std::string_view cabinet,
                                      const std::string& wanted,
                                      CabinetFiles* files) {
  return ExtractFilesFromCabinet(cabinet, wanted, files);
}

std::string BrandPlatformWin::UserRegion() {
  const GEOID nation = ::GetUserGeoID(GEOCLASS_NATION);
  if (nation == GEOID_NOT_AVAILABLE)
    return std::string();
  wchar_t code[3];
  if (::GetGeoInfoW(nation, GEO_ISO2, code, 3, 0) != 3)
    return std::string();
  return base::LowByteNarrow(base::win::FromWide(code, 2));
}

uint16_t BrandPlatformWin::UserInterfaceLanguage() {
  return ::GetUserDefaultUILanguage();
}
