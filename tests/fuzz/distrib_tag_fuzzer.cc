// Arbitrary file bytes: the tag readers never read outside the buffer, and
// whenever the writer accepts a file, the reader finds the tag it wrote.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "installer/lite_installer/config/distrib_tag.h"
#include "tools/tag/tag_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Exact-size copy so that the sanitizer sees any read past the end.
  const std::string file(reinterpret_cast<const char*>(data), size);
  std::string tag;
  (void)install_util::FindFakeCertificateTag(file, &tag);
  (void)install_util::FindAppendedTag(file);

  constexpr char kTag[] = "partner_id=1&lang=uk";
  std::string copy = file;
  std::string error;
  if (tag_tool::SetCertificateTag(&copy, kTag, &error)) {
    std::string found;
    if (install_util::FindFakeCertificateTag(copy, &found) !=
            install_util::TagSearchResult::kFound ||
        found != kTag) {
      std::abort();
    }
  }
  copy = file;
  if (tag_tool::SetAppendedTag(&copy, kTag, &error) &&
      install_util::FindAppendedTag(copy) != kTag) {
    std::abort();
  }
  return 0;
}
