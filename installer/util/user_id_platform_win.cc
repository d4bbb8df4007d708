#include "installer/util/user_id_platform_win.h"

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <objbase.h>
#include <shlobj.h>

#include "base/win/scoped_handle.h"
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
  HKEY key = nullptr;
  const LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, key_path, 0, KEY_READ, &key);
  if (status != ERROR_SUCCESS) {
    if (status != ERROR_FILE_NOT_FOUND) {
      ::SetLastError(status);
      PLOG(ERROR) << "Can't open registry key: " << base::win::FromWide(key_path);
    }
    return false;
  }
  const bool exists = ::RegQueryValueExW(key, AsWide(value_name), nullptr, nullptr, nullptr,
                                         nullptr) == ERROR_SUCCESS;
  ::RegCloseKey(key);
  return exists;
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
  base::win::ScopedHandle file(::CreateFileW(AsWide(path), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file.IsValid() || !::GetFileSizeEx(file.Get(), &size) ||
      static_cast<uint64_t>(size.QuadPart) > limit) {
    return false;
  }
  content->resize(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  return content->empty() || (::ReadFile(file.Get(), content->data(),
                                         static_cast<DWORD>(content->size()), &read, nullptr) &&
                              read == content->size());
}

bool UserIdPlatformWin::WriteFile(const base::String16& path, const std::string& content) {
  base::win::ScopedHandle file(::CreateFileW(AsWide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file.IsValid() &&
         ::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written,
                     nullptr) &&
         written == content.size();
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
  HKEY key = nullptr;
  const LSTATUS status = ::RegCreateKeyExW(HKEY_CURRENT_USER, key_path, 0, nullptr, 0,
                                           KEY_SET_VALUE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) {
    ::SetLastError(status);
    PLOG(ERROR) << "Can't open registry key: " << base::win::FromWide(key_path);
    return false;
  }
  const DWORD one = 1;
  const LSTATUS written = ::RegSetValueExW(key, AsWide(value_name), 0, REG_DWORD,
                                           reinterpret_cast<const BYTE*>(&one), sizeof(one));
  ::RegCloseKey(key);
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
