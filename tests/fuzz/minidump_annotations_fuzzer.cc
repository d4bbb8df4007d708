// Arbitrary dump files for the annotations fix-up: never a crash, never a
// change of the file's size, and a rejected file is left as it was. The first
// byte is the annotation count the stream was built with.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "crash/annotations_stream.h"
#include "crash/string_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0)
    return 0;
  const uint32_t count = data[0] % 16;
  const std::string dump(reinterpret_cast<const char*>(data + 1), size - 1);
  crashpad::StringFile file(dump);
  const bool fixed = crashpad::FixAnnotationsStreamPositions(&file, count);
  if (file.contents().size() != dump.size() || (!fixed && file.contents() != dump))
    std::abort();
  return 0;
}
