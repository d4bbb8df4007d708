// One normal installer run per signed-in desktop: the run that owns this mutex
// proceeds, any other defers to it.
#ifndef INSTALLER_LITE_INSTALLER_STARTUP_INSTANCE_MUTEX_WIN_H_
#define INSTALLER_LITE_INSTALLER_STARTUP_INSTANCE_MUTEX_WIN_H_

#include <windows.h>

#include "base/win/scoped_handle_win.h"

namespace lite_installer {

extern const wchar_t kInstanceMutexName[];

class InstanceMutex {
 public:
  // Creates (or opens) the named mutex without owning it.
  InstanceMutex();
  InstanceMutex(const InstanceMutex&) = delete;
  InstanceMutex& operator=(const InstanceMutex&) = delete;
  // Releases the mutex when owned; the handle closes with the holder.
  ~InstanceMutex();

  // Owned only when a zero time-out wait reports the mutex signalled; an
  // abandoned mutex or a missing handle count as owned by somebody else.
  bool TryOwn();

 private:
  base::win::ScopedHandle mutex_;
  bool owned_ = false;
};

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_STARTUP_INSTANCE_MUTEX_WIN_H_
