#include "crash/file_io.h"

namespace crashpad {

bool ReadExactly(FileReaderInterface* file, void* data, size_t size) {
  auto* bytes = static_cast<uint8_t*>(data);
  size_t done = 0;
  while (done < size) {
    const int64_t count = file->Read(bytes + done, size - done);
    if (count <= 0 || static_cast<uint64_t>(count) > size - done)
      return false;
    done += static_cast<size_t>(count);
  }
  return true;
}

}  // namespace crashpad
