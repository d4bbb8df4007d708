#include "installer/util/registry_win.h"

#include <windows.h>

#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "logging/log_message.h"

namespace installer {

namespace {

using base::win::AsWide;

using ScopedKey = base::win::ScopedRegKey;

// "HKEY_CURRENT_USER\<key>\<name>" as the log shows it.
std::string ValuePath(const base::String16& key, const std::string& name) {
  return "HKEY_CURRENT_USER\\" + base::UTF16ToUTF8(key) + "\\" + name;
}

LSTATUS OpenForWriting(const base::String16& key, ScopedKey* handle) {
  return ::RegCreateKeyExW(HKEY_CURRENT_USER, AsWide(key), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_WRITE | KEY_WOW64_64KEY, nullptr, handle->Receive(), nullptr);
}

}  // namespace

const wchar_t kInstallerRegistryKeyPath[] = L"Software\\Velnor\\VelnorBrowser";

bool StoreValueInRegistry(const base::String16& key,
                          const std::string& name,
                          const base::String16& text) {
  ScopedKey handle;
  const base::String16 wide_name = base::UTF8ToUTF16(name);
  const bool stored =
      OpenForWriting(key, &handle) == ERROR_SUCCESS &&
      ::RegSetValueExW(handle.Get(), AsWide(wide_name), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(char16_t))) == ERROR_SUCCESS;
  LOG(INFO) << (stored ? "Stored " : "Failed to store ") << ValuePath(key, name) << " = " << text;
  return stored;
}

bool ReadValueFromRegistry(const base::String16& key,
                           const std::string& name,
                           base::String16* text) {
  ScopedKey handle;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, AsWide(key), 0, KEY_READ | KEY_WOW64_64KEY,
                      handle.Receive()) != ERROR_SUCCESS) {
    LOG(INFO) << "Failed to read " << ValuePath(key, name);
    return false;
  }
  const base::String16 wide_name = base::UTF8ToUTF16(name);
  DWORD type = 0;
  DWORD size = 0;
  LSTATUS status =
      ::RegQueryValueExW(handle.Get(), AsWide(wide_name), nullptr, &type, nullptr, &size);
  base::String16 value;
  if (status == ERROR_SUCCESS) {
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
      status = ERROR_INVALID_DATA;
    } else {
      value.resize(size / sizeof(char16_t) + 1);
      size = static_cast<DWORD>(value.size() * sizeof(char16_t));
      status = ::RegQueryValueExW(handle.Get(), AsWide(wide_name), nullptr, &type,
                                  reinterpret_cast<BYTE*>(value.data()), &size);
      // The stored text may or may not end with its terminator.
      value.resize(std::min<size_t>(value.size(), size / sizeof(char16_t)));
      while (!value.empty() && value.back() == u'\0')
        value.pop_back();
    }
  }
  if (status == ERROR_FILE_NOT_FOUND) {
    LOG(INFO) << "No value to read: " << ValuePath(key, name);
    return false;
  }
  if (status != ERROR_SUCCESS) {
    LOG(INFO) << "Failed to read " << ValuePath(key, name);
    return false;
  }
  LOG(INFO) << "Read " << ValuePath(key, name) << " which is \"" << value << "\"";
  *text = std::move(value);
  return true;
}

bool RemoveValueFromRegistry(const base::String16& key, const std::string& name) {
  ScopedKey handle;
  if (OpenForWriting(key, &handle) != ERROR_SUCCESS) {
    LOG(INFO) << "Failed to remove " << ValuePath(key, name);
    return false;
  }
  const base::String16 wide_name = base::UTF8ToUTF16(name);
  const LSTATUS status = ::RegDeleteValueW(handle.Get(), AsWide(wide_name));
  if (status == ERROR_FILE_NOT_FOUND) {
    LOG(INFO) << "No value to remove: " << ValuePath(key, name);
    return false;
  }
  if (status != ERROR_SUCCESS) {
    LOG(INFO) << "Failed to remove " << ValuePath(key, name);
    return false;
  }
  LOG(INFO) << "Removed " << ValuePath(key, name);
  return true;
}

bool InstallerRegistryKey::Store(const std::string& name, const base::String16& text) {
  return StoreValueInRegistry(base::win::FromWide(kInstallerRegistryKeyPath), name, text);
}

base::String16 InstallerRegistryKey::Read(const std::string& name) {
  base::String16 text;
  ReadValueFromRegistry(base::win::FromWide(kInstallerRegistryKeyPath), name, &text);
  return text;
}

bool InstallerRegistryKey::Remove(const std::string& name) {
  return RemoveValueFromRegistry(base::win::FromWide(kInstallerRegistryKeyPath), name);
}

base::String16 ReadFilePathFromRegistry(const std::string& name) {
  base::String16 path = InstallerRegistryKey().Read(name);
  if (!path.empty() && ::GetFileAttributesW(AsWide(path)) == INVALID_FILE_ATTRIBUTES)
    path.clear();
  LOG(INFO) << "Read " << ValuePath(base::win::FromWide(kInstallerRegistryKeyPath), name)
            << " which is \"" << path << "\"";
  return path;
}

}  // namespace installer
