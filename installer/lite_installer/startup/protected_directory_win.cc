#include "installer/lite_installer/startup/protected_directory_win.h"

#include <windows.h>

#include <shlobj.h>

#include "base/win/wide.h"
#include "installer/lite_installer/startup/protected_directory.h"
#include "installer/lite_installer/temp_path_win.h"

namespace lite_installer {

namespace {

using base::win::AsWide;

// A file just released by an ended process may stay busy for a moment.
constexpr int kDeleteAttempts = 20;
constexpr DWORD kDeleteRetryDelayMs = 50;

base::String16 WindowsDirectory() {
  wchar_t buffer[MAX_PATH];
  const UINT length = ::GetWindowsDirectoryW(buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return {};
  return base::win::FromWide(buffer, length);
}

uint32_t ClockStamp() {
  LARGE_INTEGER counter = {};
  ::QueryPerformanceCounter(&counter);
  return static_cast<uint32_t>(counter.QuadPart) ^ ::GetTickCount();
}

base::String16 CreateUniqueDirectoryIn(const base::String16& parent) {
  const uint32_t process_id = ::GetCurrentProcessId();
  const uint32_t stamp = ClockStamp();
  for (uint32_t attempt = 0; attempt < kProtectedDirectoryAttempts; ++attempt) {
    const base::String16 path =
        JoinPath(parent, ProtectedDirectoryName(process_id, stamp, attempt));
    if (!FitsMaxPath(path))
      return {};
    // Creation fails for an existing path: what succeeds is new and ours.
    if (::CreateDirectoryW(AsWide(path), nullptr))
      return path;
    if (::GetLastError() != ERROR_ALREADY_EXISTS)
      return {};
  }
  return {};
}

bool IsDotEntry(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

bool DeleteTreeOnce(const base::String16& directory) {
  WIN32_FIND_DATAW entry;
  {
    base::win::ScopedFindHandle find(::FindFirstFileW(AsWide(JoinPath(directory, u"*")), &entry));
    if (find.IsValid()) {
      do {
        if (IsDotEntry(entry.cFileName))
          continue;
        const base::String16 path = JoinPath(directory, base::win::FromWide(entry.cFileName));
        const DWORD attributes = entry.dwFileAttributes;
        if (attributes & FILE_ATTRIBUTE_READONLY)
          ::SetFileAttributesW(AsWide(path), attributes & ~FILE_ATTRIBUTE_READONLY);
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
          ::DeleteFileW(AsWide(path));
        else if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
          ::RemoveDirectoryW(AsWide(path));
        else
          DeleteTreeOnce(path);
      } while (::FindNextFileW(find.Get(), &entry));
    }
  }
  return ::RemoveDirectoryW(AsWide(directory)) ||
         ::GetFileAttributesW(AsWide(directory)) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace

base::String16 GetOwnExecutablePath() {
  wchar_t buffer[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return OwnPathFromModuleFileName(
      base::StringPiece16(reinterpret_cast<const char16_t*>(buffer), MAX_PATH), length, MAX_PATH);
}

base::String16 CreateProtectedDirectory() {
  const bool is_admin = ::IsUserAnAdmin() != FALSE;
  for (const base::String16& parent : ProtectedDirectoryParents(
           is_admin, SecureTempDirectoryOf(WindowsDirectory()), GetTempDirectory())) {
    base::String16 directory = CreateUniqueDirectoryIn(parent);
    if (!directory.empty())
      return directory;
  }
  return {};
}

void ScheduleDeletionAtRestart(const base::String16& path) {
  if (FitsMaxPath(path))
    ::MoveFileExW(AsWide(path), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

base::win::ScopedHandle StartProcessIn(const base::String16& program,
                                       const base::String16& command_line,
                                       const base::String16& directory) {
  // The copy is shown the way this process was asked to show itself.
  STARTUPINFOW own = {};
  own.cb = sizeof(own);
  ::GetStartupInfoW(&own);
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = own.dwFlags & STARTF_USESHOWWINDOW;
  startup.wShowWindow = own.wShowWindow;

  base::String16 writable = command_line;
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessW(AsWide(program), base::win::AsWritableWide(&writable), nullptr, nullptr,
                        FALSE, 0, nullptr, AsWide(directory), &startup, &process)) {
    return base::win::ScopedHandle();
  }
  base::win::ScopedHandle thread(process.hThread);
  return base::win::ScopedHandle(process.hProcess);
}

bool HasDllFilesBeside(const base::String16& own_path) {
  WIN32_FIND_DATAW entry;
  base::win::ScopedFindHandle find(::FindFirstFileW(AsWide(DllPatternBeside(own_path)), &entry));
  if (!find.IsValid())
    return false;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      return true;
  } while (::FindNextFileW(find.Get(), &entry));
  return false;
}

bool DeleteDirectoryTree(const base::String16& directory) {
  if (directory.empty())
    return false;
  for (int attempt = 0; attempt < kDeleteAttempts; ++attempt) {
    if (DeleteTreeOnce(directory))
      return true;
    ::Sleep(kDeleteRetryDelayMs);
  }
  return false;
}

}  // namespace lite_installer
