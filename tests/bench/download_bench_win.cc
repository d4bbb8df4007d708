// Downloads a URL into a file with the installer's downloader, resuming once
// after a failed attempt, as the setup archive download does. Prints
// "ok BYTES" or "failed ERROR".
//   lite_download_bench.exe URL FILE
#include <windows.h>

#include <cstdio>
#include <string>

#include "base/strings.h"
#include "base/win/scoped_handle_win.h"
#include "installer/util/downloader_win.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: lite_download_bench URL FILE\n");
    return 2;
  }
  const base::String16 url = base::ASCIIToUTF16(argv[1]);
  base::win::ScopedHandle file(::CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid())
    return 1;
  installer::FileDownloadWriter writer(file.Get());
  std::string error;
  for (int attempt = 1; attempt <= 2; ++attempt) {
    if (installer::DownloadFile(url, &writer, &error, nullptr, nullptr, nullptr, nullptr,
                                nullptr)) {
      std::printf("ok %u attempts=%d\n", writer.size(), attempt);
      return 0;
    }
  }
  std::printf("failed %s\n", error.c_str());
  return 1;
}
