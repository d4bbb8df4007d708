// The crash reporter's state and its two steps on a crash: the dump with its
// annotations stream, and the upload.
#ifndef CRASH_CRASH_REPORTER_IMPL_WIN_H_
#define CRASH_CRASH_REPORTER_IMPL_WIN_H_

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <dbghelp.h>

#include <string>

#include "base/win/scoped_handle_win.h"
#include "crash/crash_annotations.h"
#include "crash/scoped_crash_reporter.h"

namespace crashpad {

class ScopedCrashReporter::Impl {
 public:
  Impl();
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;
  ~Impl();

  void SetCrashKey(const std::string& key, const std::string& value);

  // Creates the dump file (only if it does not exist yet), writes the dump
  // of this process with the annotations stream and fixes the stream's
  // positions. The file stays on disk in every case it was created.
  bool WriteMinidump(EXCEPTION_POINTERS* exception);
  // Uploads the dump with every annotation; true when the service answered
  // 200, and only then the dump file is deleted.
  bool SendReport();

  bool upload_enabled() const { return upload_enabled_; }
  const std::wstring& dump_path() const { return dump_path_; }

 private:
  using MiniDumpWriteDumpFunction = BOOL(WINAPI*)(HANDLE,
                                                  DWORD,
                                                  HANDLE,
                                                  MINIDUMP_TYPE,
                                                  PMINIDUMP_EXCEPTION_INFORMATION,
                                                  PMINIDUMP_USER_STREAM_INFORMATION,
                                                  PMINIDUMP_CALLBACK_INFORMATION);

  std::wstring dump_path_;
  base::win::ScopedLibrary dbghelp_;
  MiniDumpWriteDumpFunction dump_writer_ = nullptr;
  Guid client_id_;
  Guid report_id_;
  bool upload_enabled_ = true;
  bool gzip_enabled_ = true;
  Annotations annotations_;
  bool filter_installed_ = false;
};

}  // namespace crashpad

#endif  // CRASH_CRASH_REPORTER_IMPL_WIN_H_
