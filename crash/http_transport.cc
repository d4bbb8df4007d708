#include "crash/http_transport.h"

#include <cstdio>

namespace crashpad {

namespace {

std::string DottedVersion(uint64_t version) {
  char text[64];
  std::snprintf(text, sizeof(text), "%lu.%lu.%lu.%lu",
                static_cast<unsigned long>((version >> 48) & 0xffff),
                static_cast<unsigned long>((version >> 32) & 0xffff),
                static_cast<unsigned long>((version >> 16) & 0xffff),
                static_cast<unsigned long>(version & 0xffff));
  return text;
}

}  // namespace

std::string MakeUserAgent(const UserAgentFacts& facts) {
  std::string agent = "Crashpad/0.8.0 WinHTTP";
  if (facts.http_library_version)
    agent += "/" + DottedVersion(*facts.http_library_version);
  if (facts.nt_kernel_version) {
    agent += " Windows_NT/" + DottedVersion(*facts.nt_kernel_version) + " (x86";
    if (facts.wow64)
      agent += "; WoW64";
    agent += ")";
  }
  return agent;
}

std::string TransportErrorText(std::string_view call, std::string_view message, uint32_t code) {
  while (!message.empty() && (message.back() == ' ' || message.back() == '\r' ||
                              message.back() == '\n' || message.back() == '\t'))
    message.remove_suffix(1);
  char suffix[32];
  std::snprintf(suffix, sizeof(suffix), " (0x%lx)", static_cast<unsigned long>(code));
  std::string text(call);
  text += ": ";
  text += message;
  text += suffix;
  return text;
}

std::string TransportLookupErrorText(std::string_view call, uint32_t lookup_error, uint32_t code) {
  char text[96];
  std::snprintf(text, sizeof(text), ": error 0x%lx while retrieving error 0x%lx",
                static_cast<unsigned long>(lookup_error), static_cast<unsigned long>(code));
  return std::string(call) + text;
}

}  // namespace crashpad
