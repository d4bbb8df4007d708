#include "installer/stats/stat_platform_win.h"

#include <windows.h>

#include <shlwapi.h>

#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "installer/service_origins.h"
#include "installer/util/async_http_request_sender_win.h"
#include "installer/util/file_version.h"
#include "installer/util/registry_win.h"
#include "installer/util/user_id_platform_win.h"

namespace installer {
namespace {

constexpr DWORD kEscapeBufferChars = 2084;

class AsyncStatRequestSender : public StatRequestSender {
 public:
  void Send(const base::String16& url) override { sender_.Send(url); }

 private:
  install_util::AsyncHttpRequestSender sender_;
};

}  // namespace

base::String16 StatSenderPlatformWin::ReadBrowserValue(const std::string& name) {
  base::String16 text;
  if (!ReadValueFromRegistry(base::win::FromWide(kInstallerRegistryKeyPath), name, &text))
    return {};
  return text;
}

void StatSenderPlatformWin::StoreBrowserValue(const std::string& name, const base::String16& text) {
  StoreValueInRegistry(base::win::FromWide(kInstallerRegistryKeyPath), name, text);
}

void StatSenderPlatformWin::RemoveBrowserValue(const std::string& name) {
  RemoveValueFromRegistry(base::win::FromWide(kInstallerRegistryKeyPath), name);
}

bool StatSenderPlatformWin::EventExists(const base::String16& name) {
  const base::win::ScopedHandle event(::OpenEventW(SYNCHRONIZE, FALSE, base::win::AsWide(name)));
  return event.IsValid();
}

std::string StatSenderPlatformWin::UserId() {
  return broupdater::GetUserId();
}

std::string StatSenderPlatformWin::OwnFileVersion() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return "0.0.0.0";
  return GetFileVersionString(base::win::FromWide(path, length));
}

bool StatSenderPlatformWin::EscapeSegment(const base::String16& text, base::String16* escaped) {
  wchar_t buffer[kEscapeBufferChars] = {};
  DWORD size = kEscapeBufferChars;
  if (FAILED(::UrlEscapeW(base::win::AsWide(text), buffer, &size, URL_ESCAPE_SEGMENT_ONLY)))
    return false;
  *escaped = base::win::FromWide(buffer, size);
  return true;
}

std::string StatSenderPlatformWin::StatsOrigin() {
  return kStatsOrigin;
}

StatSenderPlatform* GetStatSenderPlatform() {
  static StatSenderPlatformWin platform;
  return &platform;
}

std::unique_ptr<StatRequestSender> CreateAsyncStatRequestSender() {
  return std::make_unique<AsyncStatRequestSender>();
}

}  // namespace installer
