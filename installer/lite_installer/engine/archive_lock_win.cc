#include "installer/lite_installer/engine/archive_lock_win.h"

#include "base/win/system_function_win.h"
#include "base/win/wide.h"

namespace lite_installer {

namespace {

ArchiveLock::ReOpenFileFunction SystemReOpenFile() {
  static const ArchiveLock::ReOpenFileFunction reopen_file =
      base::win::GetSystemFunction<ArchiveLock::ReOpenFileFunction>(L"kernel32.dll", "ReOpenFile");
  return reopen_file;
}

// A second handle on the file of |file| with other access and sharing. Where
// the system cannot reopen a handle (before Vista), the file is opened again
// by its path: |file| itself shares only reading and never deletion, so the
// path still names the same file.
HANDLE Reopen(ArchiveLock::ReOpenFileFunction reopen_file,
              HANDLE file,
              const base::String16& path,
              DWORD access,
              DWORD share) {
  if (reopen_file)
    return reopen_file(file, access, share, 0);
  return ::CreateFileW(base::win::AsWide(path), access, share, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

void ArchiveLock::Open(const base::String16& path) {
  path_ = path;
  file_.Reset(::CreateFileW(base::win::AsWide(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool ArchiveLock::Lock() {
  return LockWith(SystemReOpenFile());
}

bool ArchiveLock::LockByPath() {
  return LockWith(nullptr);
}

bool ArchiveLock::LockWith(ReOpenFileFunction reopen_file) {
  if (!file_.IsValid())
    return false;
  // Writers of our own handle are gone once the second reopen limits sharing
  // to reading.
  file_.Reset(Reopen(reopen_file, file_.Get(), path_, GENERIC_READ | GENERIC_EXECUTE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE));
  if (!file_.IsValid())
    return false;
  file_.Reset(
      Reopen(reopen_file, file_.Get(), path_, GENERIC_READ | GENERIC_EXECUTE, FILE_SHARE_READ));
  return file_.IsValid();
}

}  // namespace lite_installer
