#include "installer/util/guarded_call_win.h"

#include <windows.h>

#include <csetjmp>
#include <mutex>

#include "installer/util/exception_filter_win.h"

namespace installer {

namespace {

// The innermost guarded call of a thread.
struct GuardFrame {
  jmp_buf jump;
  DownloadErrorInfo* info;
};

thread_local GuardFrame* t_guard = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER g_previous_filter = nullptr;
std::once_flag g_filter_installed;

// Reached only by exceptions that no frame inside the guarded call handled:
// it takes the place of an __except block around the call. Exceptions on
// threads outside a guarded call go to the filter installed before.
LONG WINAPI TopLevelFilter(EXCEPTION_POINTERS* exception) {
  GuardFrame* guard = t_guard;
  if (!guard)
    return g_previous_filter ? g_previous_filter(exception) : EXCEPTION_CONTINUE_SEARCH;
  FilterDownloadException(exception, guard->info);
  t_guard = nullptr;
  longjmp(guard->jump, 1);
}

}  // namespace

bool GuardedCall(void (*call)(void* context), void* context, DownloadErrorInfo* info) {
  std::call_once(g_filter_installed,
                 [] { g_previous_filter = ::SetUnhandledExceptionFilter(TopLevelFilter); });
  *info = DownloadErrorInfo();
  GuardFrame frame;
  frame.info = info;
  GuardFrame* const outer = t_guard;
  if (setjmp(frame.jump) == 0) {
    t_guard = &frame;
    call(context);
    t_guard = outer;
    return true;
  }
  t_guard = outer;
  return false;
}

bool IsInsideGuardedCall() {
  return t_guard != nullptr;
}

}  // namespace installer
