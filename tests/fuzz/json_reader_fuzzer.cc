// Arbitrary bytes as JSON text: the reader never crashes, rejects with a
// message, and whatever it accepts is written back and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/json_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  base::JsonValue value;
  std::string error;
  if (!base::ReadJson(text, &value, &error)) {
    if (error.empty())
      std::abort();
    return 0;
  }
  (void)base::FindConfigValue(value, "install.setup_url");
  std::string written;
  if (!base::WriteJsonCompact(value, &written))
    std::abort();  // accepted strings are valid UTF-8
  base::JsonValue reread;
  if (!base::ReadJson(written, &reread, &error) || reread != value)
    std::abort();
  return 0;
}
