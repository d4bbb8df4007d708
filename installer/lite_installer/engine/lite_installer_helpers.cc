#include "installer/lite_installer/engine/lite_installer_helpers.h"

#include <cstdint>
#include <vector>

#include "base/dotted_version.h"
#include "logging/log_message.h"

namespace lite_installer {

namespace {

constexpr char kLogSource[] = "lite_installer_helpers";
// The folders below the program files folder of an all-users installation.
constexpr char16_t kApplicationFolderSuffix[] = u"\\Velnor\\VelnorBrowser\\Application";
// GetEnvironmentVariableW's buffer of MAX_PATH characters holds at most 259
// and the terminator.
constexpr size_t kMaxEnvironmentPath = 259;

bool IsSeparator(char16_t c) {
  return c == u'\\' || c == u'/';
}

bool IsDriveLetter(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Length of the root of an absolute path ("C:\" or "\\server\share"), 0 for
// any other path.
size_t RootLength(base::StringPiece16 path) {
  if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == u':' && IsSeparator(path[2]))
    return 3;
  if (path.size() < 2 || !IsSeparator(path[0]) || !IsSeparator(path[1]))
    return 0;
  size_t server_end = 2;
  while (server_end < path.size() && !IsSeparator(path[server_end]))
    ++server_end;
  if (server_end == 2 || server_end == path.size())
    return 0;
  size_t share_end = server_end + 1;
  while (share_end < path.size() && !IsSeparator(path[share_end]))
    ++share_end;
  return share_end == server_end + 1 ? 0 : share_end;
}

base::StringPiece16 StripTrailingSeparators(base::StringPiece16 path, size_t keep) {
  while (path.size() > keep && IsSeparator(path.back()))
    path.remove_suffix(1);
  return path;
}

// The product version at that level: "vpv" when it is there and parses,
// else "pv"; empty when neither gives one.
std::vector<uint32_t> ReadProductVersion(InstalledBrowserSystem& system, bool system_level) {
  for (const char16_t* name : {u"vpv", u"pv"}) {
    base::String16 text;
    if (!system.ReadRegistryString(system_level, kBrowserProductKey, name, false, &text) ||
        text.empty()) {
      continue;
    }
    std::vector<uint32_t> version = base::ParseDottedVersion(base::UTF16ToUTF8(text));
    if (!version.empty())
      return version;
  }
  return {};
}

std::string FormatVersion(const std::vector<uint32_t>& version) {
  std::string text;
  for (const uint32_t part : version) {
    if (!text.empty())
      text += '.';
    text += std::to_string(part);
  }
  return text;
}

}  // namespace

const char16_t kBrowserProductKey[] = u"Software\\Velnor\\VelnorBrowser";

bool IsAbsolutePathWithoutParentReferences(base::StringPiece16 path) {
  if (RootLength(path) == 0)
    return false;
  size_t begin = 0;
  while (begin <= path.size()) {
    size_t end = begin;
    while (end < path.size() && !IsSeparator(path[end]))
      ++end;
    if (path.substr(begin, end - begin) == u"..")
      return false;
    begin = end + 1;
  }
  return true;
}

base::String16 ParentFolder(base::StringPiece16 path) {
  const size_t root = RootLength(path);
  path = StripTrailingSeparators(path, root);
  if (root != 0 && path.size() <= root)
    return base::String16(path.substr(0, root));
  size_t last = path.size();
  while (last > root && !IsSeparator(path[last - 1]))
    --last;
  if (last == 0)
    return base::String16();
  return base::String16(StripTrailingSeparators(path.substr(0, last), root));
}

base::String16 GetExistingInstallPath(InstalledBrowserSystem& system, bool system_level) {
  const char* level = system_level ? "system" : "user";
  const std::vector<uint32_t> version = ReadProductVersion(system, system_level);
  if (version.empty()) {
    LOG_AT(INFO, kLogSource) << "No existing Chrome " << level << " install found.";
    return base::String16();
  }
  LOG_AT(INFO, kLogSource) << "Existing Chrome " << level
                           << " version found: " << FormatVersion(version);

  base::String16 setup;
  if (!system.ReadRegistryString(system_level, kBrowserProductKey, u"UninstallString", false,
                                 &setup) ||
      setup.empty() || !IsAbsolutePathWithoutParentReferences(setup)) {
    return base::String16();
  }
  // setup.exe -> Installer -> <version> -> Application.
  const base::String16 folder = ParentFolder(ParentFolder(ParentFolder(setup)));
  if (folder.empty() || folder == ParentFolder(folder) || !system.DirectoryExists(folder))
    return base::String16();
  return folder;
}

bool IsCorporateInstallation(InstalledBrowserSystem& system) {
  base::String16 value;
  return system.ReadRegistryString(true, kBrowserProductKey, u"corporate", true, &value) &&
         value == u"true";
}

bool IsRegularBrowserInstalled(InstalledBrowserSystem& system) {
  if (!GetExistingInstallPath(system, false).empty() ||
      !GetExistingInstallPath(system, true).empty()) {
    return !IsCorporateInstallation(system);
  }
  return false;
}

bool IsCorporateBrowserInstalled(InstalledBrowserSystem& system) {
  return !GetExistingInstallPath(system, true).empty() && IsCorporateInstallation(system);
}

base::String16 GetSystemApplicationFolder(InstalledBrowserSystem& system) {
  base::String16 existing = GetExistingInstallPath(system, true);
  if (!existing.empty())
    return existing;

  base::String16 folder = system.GetProgramFilesFolder();
  if (folder.empty() || !system.DirectoryExists(folder)) {
    folder.clear();
    base::String16 variable;
    if (system.GetEnvironmentVariable(u"PROGRAMFILES", &variable) && !variable.empty() &&
        variable.size() <= kMaxEnvironmentPath && IsAbsolutePathWithoutParentReferences(variable) &&
        system.DirectoryExists(variable)) {
      folder = std::move(variable);
    }
  }
  if (folder.empty())
    return base::String16();
  return base::String16(StripTrailingSeparators(folder, 0)) + kApplicationFolderSuffix;
}

std::string GetInstallationType(InstalledBrowserSystem& system) {
  if (IsCorporateBrowserInstalled(system))
    return "corporate";
  if (IsRegularBrowserInstalled(system))
    return "user";
  return "none";
}

}  // namespace lite_installer
