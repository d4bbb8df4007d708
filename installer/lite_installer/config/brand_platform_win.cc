#include "installer/lite_installer/config/brand_platform_win.h"

#include <windows.h>

#include "base/win/scoped_handle.h"
#include "base/win/wide.h"
#include "installer/lite_installer/config/cabinet_win.h"

namespace {

std::string LoadBinResource(const wchar_t* name) {
  HRSRC resource = ::FindResourceW(nullptr, name, L"BIN");
  if (!resource)
    return std::string();
  HGLOBAL loaded = ::LoadResource(nullptr, resource);
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (!data)
    return std::string();
  return std::string(static_cast<const char*>(data), ::SizeofResource(nullptr, resource));
}

}  // namespace

std::string BrandPlatformWin::LoadPackage(uint16_t id) {
  return LoadBinResource(MAKEINTRESOURCEW(id));
}

std::string BrandPlatformWin::LoadPackage(const std::string& name) {
  const base::String16 wide = base::ASCIIToUTF16(name);
  return LoadBinResource(base::win::AsWide(wide));
}

void BrandPlatformWin::WriteFile(const base::String16& path, std::string_view bytes) {
  base::win::ScopedHandle file(::CreateFileW(base::win::AsWide(path), GENERIC_WRITE, 0, nullptr,
                                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid())
    return;
  DWORD written = 0;
  ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
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
