// Runs a platform call so that a structured exception it raises and does not
// handle itself (a crash inside a third-party module loaded into the call,
// a delay-load failure) ends the call as a plain failure instead of the
// process.
#ifndef INSTALLER_UTIL_GUARDED_CALL_WIN_H_
#define INSTALLER_UTIL_GUARDED_CALL_WIN_H_

#include "installer/util/download_error_info.h"

namespace installer {

// True when |call| returned normally. Otherwise |*info| describes the
// exception (see FilterDownloadException) and the call was abandoned at the
// point of the exception; it must not own resources that need releasing.
bool GuardedCall(void (*call)(void* context), void* context, DownloadErrorInfo* info);

// True while the calling thread runs inside a guarded call: a crash there is
// the call's to turn into a failure, so other unhandled-exception filters
// (the crash reporter's) leave it to the guarded call's filter.
bool IsInsideGuardedCall();

}  // namespace installer

#endif  // INSTALLER_UTIL_GUARDED_CALL_WIN_H_
