#include "installer/lite_installer/engine/archive_lock_win.h"

#include "base/win/wide.h"

namespace lite_installer {

void ArchiveLock::Open(const base::String16& path) {
  path_ = path;
  file_.Reset(::CreateFileW(base::win::AsWide(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool ArchiveLock::Lock() {
  if (!file_.IsValid())
    return false;
  // Writers of our own handle are gone once the second reopen limits sharing
  // to reading.
  file_.Reset(::ReOpenFile(file_.Get(), GENERIC_READ | GENERIC_EXECUTE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, 0));
  if (!file_.IsValid())
    return false;
  file_.Reset(::ReOpenFile(file_.Get(), GENERIC_READ | GENERIC_EXECUTE, FILE_SHARE_READ, 0));
  return file_.IsValid();
}

}  // namespace lite_installer
