#include "installer/lite_installer/startup/instance_mutex_win.h"

namespace lite_installer {

const wchar_t kInstanceMutexName[] =
    L"Local\\VelnorBrowserLiteInstallerMutex-E523E369-4A72-4B13-AD57-5B956174172A";

InstanceMutex::InstanceMutex() : mutex_(::CreateMutexW(nullptr, FALSE, kInstanceMutexName)) {}

InstanceMutex::~InstanceMutex() {
  if (owned_)
    ::ReleaseMutex(mutex_.Get());
}

bool InstanceMutex::TryOwn() {
  if (!mutex_.IsValid())
    return false;
  owned_ = ::WaitForSingleObject(mutex_.Get(), 0) == WAIT_OBJECT_0;
  return owned_;
}

}  // namespace lite_installer
