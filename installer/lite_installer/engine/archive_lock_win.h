// Holds the setup archive file from its creation to the end of the setup
// run: written through the handle first, then reopened so that nobody can
// change it while it is verified and run.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_ARCHIVE_LOCK_WIN_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_ARCHIVE_LOCK_WIN_H_

#include <windows.h>

#include "base/strings.h"
#include "base/win/scoped_handle_win.h"

namespace lite_installer {

class ArchiveLock {
 public:
  using ReOpenFileFunction = HANDLE(WINAPI*)(HANDLE, DWORD, DWORD, DWORD);

  ArchiveLock() = default;
  ArchiveLock(const ArchiveLock&) = delete;
  ArchiveLock& operator=(const ArchiveLock&) = delete;

  // Creates (or empties) the file for writing, others may only read.
  void Open(const base::String16& path);
  bool IsValid() const { return file_.IsValid(); }
  HANDLE handle() const { return file_.Get(); }
  // Turns the write handle into a read-and-execute handle that lets others
  // only read.
  bool Lock();
  // Lock() the way systems without ReOpenFile (before Vista) do it.
  bool LockByPath();
  void Close() { file_.Reset(); }

 private:
  // Reopens through |reopen_file|, or by the path when it is null.
  bool LockWith(ReOpenFileFunction reopen_file);

  base::String16 path_;
  base::win::ScopedHandle file_;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_ARCHIVE_LOCK_WIN_H_
