#include <windows.h>

#include <cstdio>

#include "base/strings.h"
#include "base/win/wide.h"
#include "logging/log_platform.h"

namespace logging::platform {

namespace {

constexpr DWORD kEnglishUS = 1033;

// The message for |code| from |module|'s message table (the system's when
// null); empty when it has none.
std::string MessageFrom(HMODULE module, uint32_t code) {
  const DWORD source = module ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM;
  wchar_t* text = nullptr;
  const DWORD length =
      ::FormatMessageW(source | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS,
                       module, code, kEnglishUS, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  if (length == 0 || !text)
    return std::string();
  std::string message = base::UTF16ToUTF8(base::win::FromWide(text, length));
  ::LocalFree(text);
  return message;
}

}  // namespace

int64_t CurrentTime() {
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  const uint64_t ticks = (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return static_cast<int64_t>(ticks / 10);
}

uint32_t CurrentProcessId() {
  return ::GetCurrentProcessId();
}

uint32_t CurrentThreadId() {
  return ::GetCurrentThreadId();
}

uint32_t LastErrorCode() {
  return ::GetLastError();
}

void SetLastErrorCode(uint32_t code) {
  ::SetLastError(code);
}

std::string ErrorText(uint32_t code) {
  std::string message = MessageFrom(nullptr, code);
  // Network and URL errors live in their libraries' message tables; only ask
  // them when the process already loaded them.
  for (const wchar_t* library : {L"wininet.dll", L"urlmon.dll"}) {
    if (!message.empty())
      break;
    if (HMODULE module = ::GetModuleHandleW(library))
      message = MessageFrom(module, code);
  }
  if (message.empty()) {
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "unknown error 0x%lx\n",
                  static_cast<unsigned long>(code));
    message = buffer;
  }
  return std::to_string(code) + ", " + message;
}

void WriteDebugOutput(const std::string& line) {
  ::OutputDebugStringW(base::win::AsWide(base::UTF8ToUTF16(line)));
}

}  // namespace logging::platform
