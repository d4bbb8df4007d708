// Writes distribution tags into a signed executable without disturbing its
// signature: the certificate table is outside what the signature covers, so
// the tag goes there, with every enclosing length, the table's size in the
// security directory and the image checksum brought up to date.
#ifndef TOOLS_TAG_TAG_WRITER_H_
#define TOOLS_TAG_TAG_WRITER_H_

#include <string>
#include <string_view>

namespace tag_tool {

// A dummy certificate (the fixed to-be-signed prefix, a small public key and
// four extensions) whose fourth extension carries |tag| behind its 16-bit
// big-endian length.
std::string BuildDummyCertificate(std::string_view tag);

// Replaces every dummy certificate of the signature with one carrying |tag|.
// False (with |*error| set) when the file has no usable signature.
bool SetCertificateTag(std::string* file, std::string_view tag, std::string* error);

// Writes (or replaces) the "Vact" block after the certificate table entry.
bool SetAppendedTag(std::string* file, std::string_view tag, std::string* error);

// A tag the installer can carry: key=value items joined by "&", each key not
// empty, only characters that need no escaping in a URL or a JSON string.
bool IsAcceptableTag(std::string_view tag, std::string* error);

// The image checksum as the loader computes it, for |file| as it is.
uint32_t ComputePeChecksum(std::string_view file, size_t checksum_offset);

}  // namespace tag_tool

#endif  // TOOLS_TAG_TAG_WRITER_H_
