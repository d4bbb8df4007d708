// The running system behind the installed-browser rules.
#include "installer/lite_installer/engine/lite_installer_helpers.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>

#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "logging/log_message.h"

// The interface's method, not the header's name for GetEnvironmentVariableW.
#undef GetEnvironmentVariable

namespace lite_installer {

namespace {

using base::win::AsWide;

// The browser is a 32-bit program and keeps its keys in the 32-bit view.
// KEY_WOW64_32KEY selects that view for the 64-bit build and for a 32-bit
// process on 64-bit Windows; 32-bit Windows, XP included, ignores the flag
// (only Windows 2000, which the installer does not run on, rejects it), so
// it is passed everywhere.
constexpr REGSAM kBrowserRegistryView = KEY_WOW64_32KEY;

class WindowsInstalledBrowserSystem : public InstalledBrowserSystem {
 public:
  bool ReadRegistryString(bool machine,
                          const base::String16& key,
                          const base::String16& value,
                          bool read_access,
                          base::String16* out) override {
    base::win::ScopedRegKey handle;
    const REGSAM access = (read_access ? KEY_READ : KEY_QUERY_VALUE) | kBrowserRegistryView;
    if (::RegOpenKeyExW(machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, AsWide(key), 0, access,
                        handle.Receive()) != ERROR_SUCCESS) {
      return false;
    }
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (::RegQueryValueExW(handle.Get(), AsWide(value), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
      return false;
    }
    // One unit more than the value, so that a value stored without its
    // terminator still ends in one.
    base::String16 text(size / sizeof(char16_t) + 1, u'\0');
    size = static_cast<DWORD>(text.size() * sizeof(char16_t));
    if (::RegQueryValueExW(handle.Get(), AsWide(value), nullptr, &type,
                           reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
      return false;
    }
    text.resize(std::min<size_t>(text.size(), size / sizeof(char16_t)));
    const size_t end = text.find(u'\0');
    if (end != base::String16::npos)
      text.resize(end);
    *out = std::move(text);
    return true;
  }

  bool DirectoryExists(const base::String16& path) override {
    const DWORD attributes = ::GetFileAttributesW(AsWide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  base::String16 GetProgramFilesFolder() override {
    // The 32-bit folder is CSIDL_PROGRAM_FILESX86 where there are two; a
    // 32-bit system has only CSIDL_PROGRAM_FILES, which is also what a
    // 32-bit process on 64-bit Windows is given for it.
    for (const int folder : {CSIDL_PROGRAM_FILESX86, CSIDL_PROGRAM_FILES}) {
      wchar_t path[MAX_PATH] = {};
      if (SUCCEEDED(::SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path)) &&
          path[0] != L'\0') {
        return base::win::FromWide(path);
      }
    }
    return base::String16();
  }

  bool GetEnvironmentVariable(const base::String16& name, base::String16* out) override {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(AsWide(name), buffer, MAX_PATH);
    // MAX_PATH or more is the size the value would need: it did not fit.
    if (length == 0 || length >= MAX_PATH)
      return false;
    *out = base::win::FromWide(buffer, length);
    return true;
  }
};

}  // namespace

InstalledBrowserSystem& GetWindowsInstalledBrowserSystem() {
  static WindowsInstalledBrowserSystem system;
  return system;
}

bool StartExistingBrowser() {
  const base::String16 folder = GetSystemApplicationFolder(GetWindowsInstalledBrowserSystem());
  if (folder.empty()) {
    LOG_AT(ERROR, "lite_installer_helpers") << "No folder to start the existing browser from";
    return false;
  }
  const base::String16 program = folder + u"\\browser.exe";
  base::String16 command_line = u"\"" + program + u"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessW(AsWide(program), base::win::AsWritableWide(&command_line), nullptr, nullptr,
                        FALSE, 0, nullptr, nullptr, &startup, &process)) {
    PLOG_AT(ERROR, "lite_installer_helpers") << "Failed to start " << program;
    return false;
  }
  base::win::ScopedHandle process_handle(process.hProcess);
  base::win::ScopedHandle thread_handle(process.hThread);
  return true;
}

}  // namespace lite_installer
