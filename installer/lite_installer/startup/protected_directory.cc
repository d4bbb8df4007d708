#include "installer/lite_installer/startup/protected_directory.h"

#include <cstdio>

#include "installer/lite_installer/exit_codes.h"

namespace lite_installer {

namespace {

bool IsSeparator(char16_t c) {
  return c == u'\\' || c == u'/';
}

size_t LastSeparator(base::StringPiece16 path) {
  for (size_t i = path.size(); i > 0; --i) {
    if (IsSeparator(path[i - 1]))
      return i - 1;
  }
  return base::StringPiece16::npos;
}

base::String16 Hex8(uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof(text), "%08x", static_cast<unsigned>(value));
  return base::ASCIIToUTF16(text);
}

}  // namespace

bool IsProtectedCopyOrElevatedChild(const base::CommandLine& command_line) {
  return command_line.HasSwitch(kRunAsAdminSwitch) ||
         command_line.HasSwitch(kSpawnedInProtectedDirSwitch);
}

base::String16 OwnPathFromModuleFileName(base::StringPiece16 buffer,
                                         uint32_t length,
                                         uint32_t capacity) {
  if (length == 0 || length >= capacity || length > buffer.size())
    return {};
  return base::String16(buffer.substr(0, length));
}

base::String16 SecureTempDirectoryOf(base::StringPiece16 windows_directory) {
  if (windows_directory.empty())
    return {};
  return JoinPath(windows_directory, u"Temp");
}

std::vector<base::String16> ProtectedDirectoryParents(bool is_admin,
                                                      base::StringPiece16 secure_temp,
                                                      base::StringPiece16 user_temp) {
  std::vector<base::String16> parents;
  if (is_admin && !secure_temp.empty())
    parents.emplace_back(secure_temp);
  if (!user_temp.empty())
    parents.emplace_back(user_temp);
  return parents;
}

base::String16 ProtectedDirectoryName(uint32_t process_id, uint32_t stamp, uint32_t attempt) {
  return u"lite_installer_" + Hex8(process_id) + u"_" + Hex8(stamp + attempt * 0x9E3779B9u);
}

base::String16 JoinPath(base::StringPiece16 directory, base::StringPiece16 name) {
  while (!name.empty() && IsSeparator(name.front()))
    name.remove_prefix(1);
  base::String16 path(directory);
  if (!path.empty() && !IsSeparator(path.back()))
    path += u'\\';
  path.append(name);
  return path;
}

base::String16 BaseNameOf(base::StringPiece16 path) {
  const size_t separator = LastSeparator(path);
  if (separator == base::StringPiece16::npos)
    return base::String16(path);
  return base::String16(path.substr(separator + 1));
}

base::String16 DirectoryOf(base::StringPiece16 path) {
  const size_t separator = LastSeparator(path);
  if (separator == base::StringPiece16::npos)
    return {};
  return base::String16(path.substr(0, separator));
}

base::String16 DllPatternBeside(base::StringPiece16 own_path) {
  const base::String16 directory = DirectoryOf(own_path);
  if (directory.empty())
    return u"*.dll";
  return JoinPath(directory, u"*.dll");
}

base::String16 ProtectedCopyCommandLine(const base::CommandLine& process,
                                        base::StringPiece16 copy_path) {
  base::CommandLine copy = process;
  copy.SetProgram(copy_path);
  copy.AppendSwitch(kSpawnedInProtectedDirSwitch);
  return copy.GetCommandLineString();
}

bool FitsMaxPath(base::StringPiece16 path) {
  return path.size() <= kMaxPathLength;
}

ProtectedCopyOutcome OutcomeOfProtectedCopy(bool ended, bool exit_code_known, uint32_t exit_code) {
  // A copy whose end could not be observed must not pass for a successful
  // run: its code 0 would read as a finished installation.
  if (!ended || !exit_code_known)
    return {kInsecureEnvironment, kExitProtectedCopyLost};
  const int code = static_cast<int>(exit_code);
  if (code == kExitDllFilesInWorkingDirectory)
    return {kInsecureEnvironment, code};
  return {kProtectedCopyFinished, code};
}

}  // namespace lite_installer
