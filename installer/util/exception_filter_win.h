// The structured-exception filter around the network open call: records what
// crashed (and, for a delay-load failure, which module and function) and lets
// the guarded call end as a plain failure.
#ifndef INSTALLER_UTIL_EXCEPTION_FILTER_WIN_H_
#define INSTALLER_UTIL_EXCEPTION_FILTER_WIN_H_

#include <windows.h>

#include "installer/util/download_error_info.h"

namespace installer {

// Fills |info| and returns EXCEPTION_EXECUTE_HANDLER.
int FilterDownloadException(const EXCEPTION_POINTERS* exception, DownloadErrorInfo* info);

}  // namespace installer

#endif  // INSTALLER_UTIL_EXCEPTION_FILTER_WIN_H_
