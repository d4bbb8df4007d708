#include "base/win/file_io_win.h"

#include <windows.h>

#include "base/hex.h"
#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"

namespace base::win {

namespace {

// A name beside |path| that no file has: the target's name with a suffix
// made of this process's id and a per-process counter, created exclusively.
// When that longer name is not accepted, a short name the system makes up in
// the same folder.
ScopedHandle CreateSibling(const String16& path, String16* sibling) {
  static volatile LONG counter = 0;
  const DWORD process = ::GetCurrentProcessId();
  for (int attempt = 0; attempt < 16; ++attempt) {
    const uint32_t ids[2] = {process, static_cast<uint32_t>(::InterlockedIncrement(&counter))};
    *sibling = path + u".~" + ASCIIToUTF16(HexEncode(ids, sizeof(ids))) + u".tmp";
    ScopedHandle file(::CreateFileW(AsWide(*sibling), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD error = ::GetLastError();
    if (file.IsValid())
      return file;
    if (error == ERROR_FILENAME_EXCED_RANGE || error == ERROR_INVALID_NAME)
      break;
    if (error != ERROR_FILE_EXISTS)
      return file;
  }
  const size_t separator = path.find_last_of(u"\\/");
  if (separator == String16::npos)
    return ScopedHandle();
  const String16 folder = path.substr(0, separator + 1);
  wchar_t name[MAX_PATH];
  if (!::GetTempFileNameW(AsWide(folder), L"lit", 0, name))
    return ScopedHandle();
  *sibling = FromWide(name);
  ScopedHandle file(::CreateFileW(name, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) {
    const DWORD error = ::GetLastError();
    ::DeleteFileW(name);
    ::SetLastError(error);
  }
  return file;
}

// Removes the unfinished file without disturbing the error being reported.
void DiscardSibling(ScopedHandle* file, const String16& sibling) {
  const DWORD error = ::GetLastError();
  file->Reset();
  ::DeleteFileW(AsWide(sibling));
  ::SetLastError(error);
}

}  // namespace

FileReadResult ReadWholeFile(const String16& path, size_t limit) {
  FileReadResult result;
  ScopedHandle file(::CreateFileW(AsWide(path), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid())
    return result;
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
      static_cast<uint64_t>(size.QuadPart) > limit) {
    result.status = FileReadStatus::kSizeFailed;
    return result;
  }
  result.bytes.resize(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  if (!result.bytes.empty() &&
      (!::ReadFile(file.Get(), result.bytes.data(), static_cast<DWORD>(result.bytes.size()), &read,
                   nullptr) ||
       read != result.bytes.size())) {
    result.bytes.clear();
    result.status = FileReadStatus::kReadFailed;
    return result;
  }
  result.status = FileReadStatus::kOk;
  return result;
}

bool WriteWholeFile(const String16& path, std::string_view bytes) {
  if (bytes.size() > 0xFFFFFFFFu) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  String16 sibling;
  ScopedHandle file = CreateSibling(path, &sibling);
  if (!file.IsValid())
    return false;
  DWORD written = 0;
  if (!bytes.empty() && (!::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                      &written, nullptr) ||
                         written != bytes.size())) {
    if (::GetLastError() == ERROR_SUCCESS)
      ::SetLastError(ERROR_WRITE_FAULT);
    DiscardSibling(&file, sibling);
    return false;
  }
  if (!file.Close()) {
    DiscardSibling(&file, sibling);
    return false;
  }
  if (::MoveFileExW(AsWide(sibling), AsWide(path), MOVEFILE_REPLACE_EXISTING))
    return true;
  // The target is in use or protected: keep it as it is rather than fall back
  // to writing over it in place.
  DiscardSibling(&file, sibling);
  return false;
}

}  // namespace base::win
