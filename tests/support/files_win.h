// Files and paths as tests under Wine handle them: fresh temporary
// directories, whole-file and line reads, Unix paths as Wine shows them.
#ifndef TESTS_SUPPORT_FILES_WIN_H_
#define TESTS_SUPPORT_FILES_WIN_H_

#include <windows.h>

#include <string>
#include <vector>

namespace test {

// A new empty directory under the system temporary directory, with a
// trailing backslash.
std::wstring MakeUniqueTempDir();

// The whole file, read while others may still write it; empty when absent.
std::string ReadWholeFile(const std::wstring& path);
std::vector<std::string> ReadLines(const std::wstring& path);

bool FileExists(const std::wstring& path);

// "/unix/path" as Wine shows it ("Z:\unix\path"); Windows paths unchanged.
std::wstring FromUnixPath(const std::string& path);

std::wstring Widen(const std::string& ascii);

}  // namespace test

#endif  // TESTS_SUPPORT_FILES_WIN_H_
