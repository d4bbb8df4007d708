// A stand-in for the probe child: started with "--check-the-interface" only,
// it does what LITE_PROBE_CHILD_MODE says: "hang", "crash", or exit with the
// number given. Any other command line ends it with 99.
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

LONG WINAPI EndWithTheException(EXCEPTION_POINTERS*) {
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || std::strcmp(argv[1], "--check-the-interface") != 0)
    return 99;
  const char* mode = std::getenv("LITE_PROBE_CHILD_MODE");
  if (!mode)
    return 98;
  if (std::strcmp(mode, "hang") == 0) {
    ::Sleep(INFINITE);
  } else if (std::strcmp(mode, "crash") == 0) {
    // No debugger is asked: the process ends with the exception's code.
    ::SetUnhandledExceptionFilter(&EndWithTheException);
    volatile int* nowhere = nullptr;
    *nowhere = 1;
  }
  return std::atoi(mode);
}
