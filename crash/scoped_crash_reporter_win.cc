#include "crash/scoped_crash_reporter.h"

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <dbghelp.h>
#include <objbase.h>

#include <atomic>

#include "base/win/wide.h"
#include "crash/annotations_stream.h"
#include "crash/crash_reporter_impl_win.h"
#include "crash/file_io_win.h"
#include "installer/util/guarded_call_win.h"
#include "installer/util/user_id_platform_win.h"
#include "logging/log_message.h"

namespace crashpad {

namespace {

constexpr MINIDUMP_TYPE kDumpType = static_cast<MINIDUMP_TYPE>(0x40);  // indirect memory

// The one live reporter, reached from the filter.
std::atomic<ScopedCrashReporter::Impl*> g_impl{nullptr};
// The filter that was installed before ours. It outlives the reporter: when
// a later filter chained to ours stays installed after the reporter is gone,
// ours keeps forwarding to this one.
std::atomic<LPTOP_LEVEL_EXCEPTION_FILTER> g_previous_filter{nullptr};
// The thread that took the process's one report, and whether it is done.
std::atomic<DWORD> g_reporting_thread{0};
std::atomic<bool> g_report_done{false};

Guid FromSystemGuid(const GUID& guid) {
  Guid result;
  result.data1 = guid.Data1;
  result.data2 = guid.Data2;
  result.data3 = guid.Data3;
  for (size_t i = 0; i < result.data4.size(); ++i)
    result.data4[i] = guid.Data4[i];
  return result;
}

Guid ClientIdFromUserId() {
  const std::string braced = BracedUserId(broupdater::GetUserId());
  GUID guid = {};
  if (!braced.empty()) {
    const base::String16 wide = base::UTF8ToUTF16(braced);
    if (SUCCEEDED(::CLSIDFromString(const_cast<wchar_t*>(base::win::AsWide(wide)), &guid)))
      return FromSystemGuid(guid);
  }
  LOG(WARNING) << "uid not found, use empty";
  return Guid();
}

std::wstring TempDirectory() {
  wchar_t buffer[MAX_PATH + 1];
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, buffer);
  if (length == 0 || length > MAX_PATH) {
    PLOG(ERROR) << "GetTempPath";
    return std::wstring();
  }
  std::wstring path(buffer, length);
  if (path.back() != L'\\' && path.back() != L'/')
    path += L'\\';
  return path;
}

// The system directory's dbghelp.dll by its full path: never a planted copy
// beside the program or on the search path.
HMODULE LoadSystemDbghelp() {
  wchar_t directory[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(directory, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    PLOG(ERROR) << "GetSystemDirectory";
    return nullptr;
  }
  std::wstring path(directory, length);
  if (path.back() != L'\\')
    path += L'\\';
  path += L"dbghelp.dll";
  HMODULE module = ::LoadLibraryW(path.c_str());
  if (!module)
    PLOG(ERROR) << "LoadLibrary dbghelp.dll";
  return module;
}

LONG WINAPI CrashFilter(EXCEPTION_POINTERS* exception) {
  // A crash inside a guarded call is that call's failure, not the
  // process's: the guarded call's filter (behind this one) ends the call.
  ScopedCrashReporter::Impl* impl = g_impl.load();
  if (impl && !installer::IsInsideGuardedCall()) {
    const DWORD self = ::GetCurrentThreadId();
    DWORD none = 0;
    if (g_reporting_thread.compare_exchange_strong(none, self)) {
      if (impl->WriteMinidump(exception) && impl->upload_enabled())
        impl->SendReport();
      g_report_done.store(true);
    } else if (none != self) {
      // Another thread is writing the report: the process must not end
      // under it. A crash of the reporting thread itself (inside the
      // filter) goes straight on.
      while (!g_report_done.load())
        ::Sleep(10);
    }
  }
  const LPTOP_LEVEL_EXCEPTION_FILTER previous = g_previous_filter.load();
  return previous ? previous(exception) : EXCEPTION_CONTINUE_SEARCH;
}

#if defined(LITE_TEST_HOOKS)
bool g_upload_enabled_for_testing = true;
#endif

}  // namespace

ScopedCrashReporter::Impl::Impl() {
  client_id_ = ClientIdFromUserId();
  GUID report_id = {};
  if (FAILED(::CoCreateGuid(&report_id)))
    LOG(ERROR) << "CoCreateGuid failed";
  report_id_ = FromSystemGuid(report_id);
  annotations_ = InitialAnnotations(client_id_, report_id_, gzip_enabled_);
  const std::wstring temp = TempDirectory();
  if (!temp.empty()) {
    const std::string id = FormatGuid(report_id_);
    dump_path_ = temp + std::wstring(id.begin(), id.end()) + L".dmp";
  }
#if defined(LITE_TEST_HOOKS)
  upload_enabled_ = g_upload_enabled_for_testing;
#endif

  dbghelp_.Reset(LoadSystemDbghelp());
  if (dbghelp_.IsValid()) {
    dump_writer_ = reinterpret_cast<MiniDumpWriteDumpFunction>(
        reinterpret_cast<void*>(::GetProcAddress(dbghelp_.Get(), "MiniDumpWriteDump")));
    if (!dump_writer_)
      PLOG(ERROR) << "GetProcAddress MiniDumpWriteDump";
  }
  if (dump_writer_ && !dump_path_.empty()) {
    const LPTOP_LEVEL_EXCEPTION_FILTER previous = ::SetUnhandledExceptionFilter(CrashFilter);
    // A second reporter in one process finds ours installed: the filter
    // behind it stays the one kept.
    if (previous != CrashFilter)
      g_previous_filter.store(previous);
    filter_installed_ = true;
  }
  g_impl.store(this);
}

ScopedCrashReporter::Impl::~Impl() {
  if (filter_installed_) {
    const LPTOP_LEVEL_EXCEPTION_FILTER current =
        ::SetUnhandledExceptionFilter(g_previous_filter.load());
    if (current != CrashFilter) {
      // Installed after ours and chained to it: it stays, and ours behind
      // it only forwards from now on.
      ::SetUnhandledExceptionFilter(current);
    }
  }
  ScopedCrashReporter::Impl* self = this;
  g_impl.compare_exchange_strong(self, nullptr);
}

void ScopedCrashReporter::Impl::SetCrashKey(const std::string& key, const std::string& value) {
  SetAnnotation(&annotations_, key, value);
}

bool ScopedCrashReporter::Impl::WriteMinidump(EXCEPTION_POINTERS* exception) {
  if (!dump_writer_)
    return false;
  base::win::ScopedHandle file(::CreateFileW(dump_path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                             nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) {
    PLOG(ERROR) << "CreateFile " << base::win::FromWide(dump_path_.c_str());
    return false;
  }
  std::string stream = BuildAnnotationsStream(report_id_, client_id_, annotations_);
  if (stream.empty()) {
    LOG(ERROR) << "annotations do not fit the stream";
    return false;
  }
  MINIDUMP_EXCEPTION_INFORMATION exception_information = {};
  exception_information.ThreadId = ::GetCurrentThreadId();
  exception_information.ExceptionPointers = exception;
  exception_information.ClientPointers = FALSE;
  MINIDUMP_USER_STREAM user_stream = {};
  user_stream.Type = kAnnotationsStreamType;
  user_stream.BufferSize = static_cast<ULONG>(stream.size());
  user_stream.Buffer = stream.data();
  MINIDUMP_USER_STREAM_INFORMATION user_streams = {};
  user_streams.UserStreamCount = 1;
  user_streams.UserStreamArray = &user_stream;
  if (!dump_writer_(::GetCurrentProcess(), ::GetCurrentProcessId(), file.Get(), kDumpType,
                    exception ? &exception_information : nullptr, &user_streams, nullptr)) {
    PLOG(ERROR) << "MiniDumpWriteDump";
    return false;
  }
  FileHandleReaderWriter dump(file.Get());
  if (!FixAnnotationsStreamPositions(&dump, static_cast<uint32_t>(annotations_.size())))
    return false;
  if (!file.Close()) {
    PLOG(ERROR) << "CloseHandle";
    return false;
  }
  return true;
}

ScopedCrashReporter::ScopedCrashReporter() : impl_(std::make_unique<Impl>()) {}

ScopedCrashReporter::~ScopedCrashReporter() = default;

void SetCrashKey(const std::string& key, const std::string& value) {
  if (ScopedCrashReporter::Impl* impl = g_impl.load())
    impl->SetCrashKey(key, value);
}

#if defined(LITE_TEST_HOOKS)
void SetUploadEnabledForTesting(bool enabled) {
  g_upload_enabled_for_testing = enabled;
}
#endif

}  // namespace crashpad
