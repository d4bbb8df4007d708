#include "tests/support/files_win.h"

namespace test {

std::wstring MakeUniqueTempDir() {
  wchar_t base[MAX_PATH];
  ::GetTempPathW(MAX_PATH, base);
  static LONG counter = 0;
  for (;;) {
    const std::wstring dir = std::wstring(base) + L"lite_test_" +
                             std::to_wstring(::GetCurrentProcessId()) + L"_" +
                             std::to_wstring(::InterlockedIncrement(&counter));
    if (::CreateDirectoryW(dir.c_str(), nullptr))
      return dir + L"\\";
  }
}

std::string ReadWholeFile(const std::wstring& path) {
  std::string data;
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return data;
  char buffer[65536];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
    data.append(buffer, read);
  ::CloseHandle(file);
  return data;
}

std::vector<std::string> ReadLines(const std::wstring& path) {
  std::vector<std::string> lines;
  const std::string data = ReadWholeFile(path);
  size_t begin = 0;
  while (begin < data.size()) {
    size_t end = data.find('\n', begin);
    if (end == std::string::npos)
      end = data.size();
    lines.push_back(data.substr(begin, end - begin));
    begin = end + 1;
  }
  return lines;
}

bool FileExists(const std::wstring& path) {
  return !path.empty() && ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring FromUnixPath(const std::string& path) {
  std::wstring wide = Widen(path);
  if (!wide.empty() && wide[0] == L'/')
    wide = L"Z:" + wide;
  for (wchar_t& c : wide) {
    if (c == L'/')
      c = L'\\';
  }
  return wide;
}

std::wstring Widen(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

}  // namespace test
