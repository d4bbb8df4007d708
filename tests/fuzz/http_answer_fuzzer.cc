// Arbitrary Content-Range answers: the parser never crashes and what it
// accepts is a range inside the resource.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "installer/util/request_headers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  uint64_t first = 0;
  uint64_t total = 0;
  if (installer::ParseContentRange(text, &first, &total) && first >= total)
    std::abort();
  return 0;
}
