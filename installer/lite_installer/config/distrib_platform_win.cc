#include "installer/lite_installer/config/distrib_platform_win.h"

#include <windows.h>

#include <utility>

#include "base/win/file_io_win.h"
#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "installer/lite_installer/config/distrib_tag.h"
#include "installer/lite_installer/temp_path_win.h"
#include "logging/log_message.h"

namespace install_util {

namespace {

using base::win::AsWide;
using base::win::ScopedHandle;

bool ReadAllBytesFromFile(const base::String16& path, std::string* bytes) {
  base::win::FileReadResult file = base::win::ReadWholeFile(path, 0x7FFFFFFF);
  switch (file.status) {
    case base::win::FileReadStatus::kOk:
      *bytes = std::move(file.bytes);
      return true;
    case base::win::FileReadStatus::kOpenFailed:
      PLOG(ERROR) << "Can't open file " << path;
      return false;
    case base::win::FileReadStatus::kSizeFailed:
      PLOG(ERROR) << "Failed to get length of " << path;
      return false;
    case base::win::FileReadStatus::kReadFailed:
      PLOG(ERROR) << "Failed to read all bytes of " << path;
      return false;
  }
  return false;
}

// A read-only view of a whole file, unmapped and closed with its scope.
class MappedFile {
 public:
  explicit MappedFile(const base::String16& path)
      : file_(::CreateFileW(AsWide(path),
                            GENERIC_READ,
                            FILE_SHARE_READ,
                            nullptr,
                            OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL,
                            nullptr)) {
    if (!file_.IsValid())
      return;
    mapping_.Reset(::CreateFileMappingW(file_.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping_.IsValid())
      return;
    view_.Reset(::MapViewOfFile(mapping_.Get(), FILE_MAP_READ, 0, 0, 0));
    MEMORY_BASIC_INFORMATION region;
    if (view_.IsValid() && ::VirtualQuery(view_.Get(), &region, sizeof(region)) == sizeof(region))
      size_ = region.RegionSize;
    // The region is rounded up to whole pages; never look past the file.
    LARGE_INTEGER file_size;
    if (::GetFileSizeEx(file_.Get(), &file_size) &&
        static_cast<uint64_t>(file_size.QuadPart) < size_) {
      size_ = static_cast<size_t>(file_size.QuadPart);
    }
  }
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  std::string_view bytes() const {
    return view_.IsValid() ? std::string_view(static_cast<const char*>(view_.Get()), size_)
                           : std::string_view();
  }

 private:
  ScopedHandle file_;
  ScopedHandle mapping_;
  // Declared after the handles: unmapped before they are closed.
  base::win::ScopedMappedView view_;
  size_t size_ = 0;
};

}  // namespace

std::string ExtractTagFromFakeCertificate(const base::String16& path) {
  std::string bytes;
  if (!ReadAllBytesFromFile(path, &bytes)) {
    PLOG(ERROR) << "Failed to read file " << path;
    return std::string();
  }
  std::string tag;
  switch (FindFakeCertificateTag(bytes, &tag)) {
    case TagSearchResult::kFound:
      return tag;
    case TagSearchResult::kNoCertificateTable:
      PLOG(ERROR) << "Failed to find certificate table in " << path;
      return std::string();
    case TagSearchResult::kInvalidAsn1:
      PLOG(ERROR) << "Invalid ASN1 format of certificate table in " << path;
      return std::string();
  }
  return std::string();
}

std::string ReadAppendedTag(const base::String16& path) {
  MappedFile file(path);
  return FindAppendedTag(file.bytes());
}

}  // namespace install_util

base::String16 DistribPlatformWin::ExecutablePath() {
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return base::String16();
  return base::win::FromWide(path, length);
}

base::String16 DistribPlatformWin::TempDirectory() {
  return lite_installer::GetTempDirectory();
}

bool DistribPlatformWin::WriteNewFile(const base::String16& path, std::string_view text) {
  return base::win::WriteWholeFile(path, text);
}

void DistribPlatformWin::RemoveFile(const base::String16& path) {
  ::DeleteFileW(base::win::AsWide(path));
}
