#include "installer/lite_installer/elevation/remote_progress_observer_win.h"

namespace lite_installer {

void RemoteProgressObserver::OnTimeLeft(int seconds, int kind) {
  ::PostMessageW(window_, kTimeLeftMessage, static_cast<WPARAM>(seconds),
                 static_cast<LPARAM>(kind));
}

void RemoteProgressObserver::SetProgress(int percent) {
  ::PostMessageW(window_, kSetProgressMessage, static_cast<WPARAM>(percent), 0);
}

void RemoteProgressObserver::OnSetupStarted() {
  ::ShowWindow(::GetDlgItem(window_, kStopButtonControlId), SW_HIDE);
}

}  // namespace lite_installer
