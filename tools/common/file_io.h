// Whole-file reads and writes for the host tools.
#ifndef TOOLS_COMMON_FILE_IO_H_
#define TOOLS_COMMON_FILE_IO_H_

#include <string>

namespace tools {

bool ReadFile(const std::string& path, std::string* data);
// Replaces the file.
bool WriteFile(const std::string& path, const std::string& data);

}  // namespace tools

#endif  // TOOLS_COMMON_FILE_IO_H_
