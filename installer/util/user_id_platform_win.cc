#include "installer/util/user_id_platform_win.h"

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <objbase.h>
#include <shlobj.h>

#include <utility>

#include "base/win/file_io_win.h"
#include "base/win/registry_value_win.h"
#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "logging/log_message.h"

namespace broupdater {

namespace {

using base::win::AsWide;

constexpr wchar_t kMarkerKeyVista[] = L"Software\\AppDataLow\\Velnor";
constexpr wchar_t kMarkerKeyLegacy[] = L"Software\\Velnor";

bool IsVistaOrLater() {
  OSVERSIONINFOW info = {};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  return ::GetVersionExW(&info) && info.dwMajorVersion >= 6;
#pragma GCC diagnostic pop
}

// "UICreated_" + the user name; empty when the name cannot be read.
base::String16 MarkerValueName() {
  wchar_t name[257];
  DWORD size = 257;
  if (!::GetUserNameW(name, &size) || size == 0)
    return base::String16();
  return u"UICreated_" + base::win::FromWide(name);
}

bool RegistryValueExist(const wchar_t* key_path, const base::String16& value_name) {
  const base::win::RegistryDword value =
      base::win::ReadRegistryDword(HKEY_CURRENT_USER, key_path, AsWide(value_name), KEY_READ);
  if (!value.opened && value.status != ERROR_FILE_NOT_FOUND) {
    ::SetLastError(value.status);
    PLOG(ERROR) << "Can't open registry key: " << base::win::FromWide(key_path);
  }
  return value.exists();
}

}  // namespace

base::String16 UserIdPlatformWin::GetUserIdFilePath(bool create_directories) {
  wchar_t folder[MAX_PATH];
  if (!::SHGetSpecialFolderPathW(nullptr, folder, CSIDL_APPDATA, create_directories)) {
    PLOG(ERROR) << "Can't get path to AppData folder";
    return base::String16();
  }
  const base::String16 directory = base::win::FromWide(folder) + u"\\Velnor";
  if (create_directories && !::CreateDirectoryW(AsWide(directory), nullptr) &&
      ::GetLastError() != ERROR_ALREADY_EXISTS) {
    PLOG(ERROR) << "Can't create directory: " << directory;
    return base::String16();
  }
  return directory + u"\\ui";
}

bool UserIdPlatformWin::FileExists(const base::String16& path) {
  const DWORD attributes = ::GetFileAttributesW(AsWide(path));
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool UserIdPlatformWin::ReadFile(const base::String16& path, size_t limit, std::string* content) {
  base::win::FileReadResult file = base::win::ReadWholeFile(path, limit);
  if (!file.ok())
    return false;
  *content = std::move(file.bytes);
  return true;
}

bool UserIdPlatformWin::WriteFile(const base::String16& path, const std::string& content) {
  return base::win::WriteWholeFile(path, content);
}

std::string UserIdPlatformWin::NewGuid() {
  GUID guid;
  wchar_t text[39];
  if (FAILED(::CoCreateGuid(&guid)) || ::StringFromGUID2(guid, text, 39) != 39)
    return std::string();
  return base::UTF16ToUTF8(base::win::FromWide(text));
}

bool UserIdPlatformWin::MarkerExists() {
  const base::String16 value_name = MarkerValueName();
  if (value_name.empty())
    return false;
  return RegistryValueExist(kMarkerKeyLegacy, value_name) ||
         (IsVistaOrLater() && RegistryValueExist(kMarkerKeyVista, value_name));
}

bool UserIdPlatformWin::RememberUidIsCreated() {
  const base::String16 value_name = MarkerValueName();
  if (value_name.empty())
    return false;
  const wchar_t* key_path = IsVistaOrLater() ? kMarkerKeyVista : kMarkerKeyLegacy;
  base::win::ScopedRegKey key;
  const LSTATUS status = ::RegCreateKeyExW(HKEY_CURRENT_USER, key_path, 0, nullptr, 0,
                                           KEY_SET_VALUE, nullptr, key.Receive(), nullptr);
  if (status != ERROR_SUCCESS) {
    ::SetLastError(status);
    PLOG(ERROR) << "Can't open registry key: " << base::win::FromWide(key_path);
    return false;
  }
  const DWORD one = 1;
  const LSTATUS written = ::RegSetValueExW(key.Get(), AsWide(value_name), 0, REG_DWORD,
                                           reinterpret_cast<const BYTE*>(&one), sizeof(one));
  key.Reset();
  if (written != ERROR_SUCCESS) {
    ::SetLastError(written);
    PLOG(ERROR) << "Can't create registry value '" << value_name << "' at '"
                << base::win::FromWide(key_path);
    return false;
  }
  return true;
}

std::string GetUserId() {
  UserIdPlatformWin platform;
  return GetUserId(&platform);
}

}  // namespace broupdater
