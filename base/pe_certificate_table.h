// Locates the certificate table (the security directory) of a PE32 or PE32+
// image held in memory.
#ifndef BASE_PE_CERTIFICATE_TABLE_H_
#define BASE_PE_CERTIFICATE_TABLE_H_

#include <cstddef>
#include <string_view>

namespace install_util {

// Where the security directory of a PE image points.
struct CertificateTableLocation {
  size_t directory_entry_offset = 0;  // of the directory's (offset, size) pair
  size_t offset = 0;                  // of the certificate table in the file
  size_t size = 0;
};

// False unless |file| is a PE32 or PE32+ image with a certificate table that
// lies inside the file.
bool LocateCertificateTable(std::string_view file, CertificateTableLocation* location);

}  // namespace install_util

#endif  // BASE_PE_CERTIFICATE_TABLE_H_
