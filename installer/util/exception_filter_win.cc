#include "installer/util/exception_filter_win.h"

#include <delayimp.h>

namespace installer {

int FilterDownloadException(const EXCEPTION_POINTERS* exception, DownloadErrorInfo* info) {
  const EXCEPTION_RECORD* record = exception->ExceptionRecord;
  info->code = record->ExceptionCode;
  info->dll_name.clear();
  info->proc_name.clear();
  if (record->ExceptionCode == kDelayLoadModuleNotFound && record->NumberParameters >= 1) {
    const auto* load = reinterpret_cast<const DelayLoadInfo*>(record->ExceptionInformation[0]);
    if (load) {
      if (load->szDll)
        info->dll_name = load->szDll;
      if (load->dlp.fImportByName && load->dlp.szProcName)
        info->proc_name = load->dlp.szProcName;
    }
  }
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace installer
