// Reading and writing whole files. A whole-file write is all or nothing: the
// bytes go to a new file beside the target that then replaces it, so a failed
// write never leaves a partly written file under the target's name.
#ifndef BASE_WIN_FILE_IO_WIN_H_
#define BASE_WIN_FILE_IO_WIN_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "base/strings.h"

namespace base::win {

enum class FileReadStatus {
  kOk,
  kOpenFailed,
  kSizeFailed,  // The size could not be read or is above the limit.
  kReadFailed,
};

struct FileReadResult {
  FileReadStatus status = FileReadStatus::kOpenFailed;
  std::string bytes;  // Empty unless status is kOk.
  bool ok() const { return status == FileReadStatus::kOk; }
};

// Reads the file at |path| (shared for reading) when it holds at most |limit|
// bytes. The system's last error is left as the failing step set it.
FileReadResult ReadWholeFile(const String16& path, size_t limit);

// Replaces the file at |path| with |bytes|; true only when every byte was
// written and the new file took the target's name. On failure the target is
// as it was and no other file is left; the last error is the failing step's.
bool WriteWholeFile(const String16& path, std::string_view bytes);

}  // namespace base::win

#endif  // BASE_WIN_FILE_IO_WIN_H_
