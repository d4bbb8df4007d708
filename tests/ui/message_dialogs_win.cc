// Shows the installer's message dialogs on their own, one after the other,
// for the window tests and the gallery:
//   ui_message_dialogs --kinds=N[,N...] [--classic] [--lang=CODE]
//                      [--force-device-scale-factor=F] [--before-windows8]
//                      [--report=PATH] [--close-signal=PATH]
// The report gets two JSON lines per dialog: "shown" once it is up, with
// its window and controls (each static's text measured in its own font and
// wrapping against the size it has), and "result" when it ended (1, 212 or
// 213; 2 for a kind the style does not have). While the file named by
// --close-signal exists, the dialog up is closed with its close button and
// the file deleted. The log goes to TEMP\lite_installer.log as the installer's
// does. The exit code is the last dialog's result.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "base/strings.h"
#include "base/win/scoped_gdi_win.h"
#include "installer/lite_installer/config/brand_info.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "installer/lite_installer/temp_path_win.h"
#include "installer/lite_installer/ui/dpi_scale_win.h"
#include "installer/lite_installer/ui/installation_window_theme_win.h"
#include "installer/lite_installer/ui/message_dialog_factory_win.h"
#include "installer/lite_installer/ui/ui_platform_scope_win.h"
#include "installer/lite_installer/ui/vendor_site_urls.h"
#include "logging/file_logger.h"
#include "logging/log_file_system_win.h"
#include "logging/log_message.h"
#include "tests/ui/json_text_win.h"

namespace {

FILE* g_report = nullptr;
int g_kind = 0;

using ui_json::Quoted;
using ui_json::RectJson;
using ui_json::Utf8;

// One control: its screen rectangle and text and, for a static, the size
// its text needs in its own font and wrapping against the size it has.
BOOL CALLBACK DescribeChild(HWND child, LPARAM lparam) {
  auto* json = reinterpret_cast<std::string*>(lparam);
  wchar_t class_name[16] = {};
  ::GetClassNameW(child, class_name, 16);
  wchar_t text[2048] = {};
  const int length = ::GetWindowTextW(child, text, 2048);
  RECT rect = {};
  ::GetWindowRect(child, &rect);
  RECT client = {};
  ::GetClientRect(child, &client);
  RECT needed = {0, 0, client.right, 0};
  if (std::wstring(class_name) == L"Static") {
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0));
    base::win::ScopedGetDC dc(child);
    base::win::ScopedSelectObject select(dc.Get(), font);
    const LONG type = ::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK;
    UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS;
    if (type != SS_LEFTNOWORDWRAP)
      flags |= DT_WORDBREAK;
    ::DrawTextW(dc.Get(), text, length, &needed, flags);
  }
  if (json->size() > 1)
    *json += ",";
  *json += "{\"id\":" + std::to_string(::GetDlgCtrlID(child)) +
           ",\"class\":" + Quoted(Utf8(class_name, static_cast<int>(std::wcslen(class_name)))) +
           ",\"visible\":" + (::IsWindowVisible(child) ? "true" : "false") +
           ",\"text\":" + Quoted(Utf8(text, length)) + ",\"rect\":" + RectJson(rect) +
           ",\"needed\":[" + std::to_string(needed.right) + "," + std::to_string(needed.bottom) +
           "],\"has\":[" + std::to_string(client.right) + "," + std::to_string(client.bottom) +
           "]}";
  return TRUE;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM lparam) {
  wchar_t class_name[16] = {};
  ::GetClassNameW(window, class_name, 16);
  if (std::wstring(class_name) == L"#32770" && ::IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(lparam) = window;
    return FALSE;
  }
  return TRUE;
}

base::String16 g_close_signal;

// Closes the dialog that is up, as its close button would, when the test
// creates the signal file: faster than a click for the runs that only
// photograph the dialogs.
void CALLBACK CloseOnSignal(HWND, UINT, UINT_PTR, DWORD) {
  const auto* path = reinterpret_cast<const wchar_t*>(g_close_signal.c_str());
  if (g_close_signal.empty() || ::GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES)
    return;
  HWND dialog = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog)
    return;
  ::DeleteFileW(path);
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(213, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, 213)));
}

void Report(const std::string& line) {
  if (!g_report)
    return;
  std::fprintf(g_report, "%s\n", line.c_str());
  std::fflush(g_report);
}

// Describes the dialog once it is shown; the modal loop runs this timer.
void CALLBACK DescribeWhenShown(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog)
    return;
  ::KillTimer(nullptr, timer);
  RECT rect = {};
  ::GetWindowRect(dialog, &rect);
  std::string controls = "[";
  ::EnumChildWindows(dialog, DescribeChild, reinterpret_cast<LPARAM>(&controls));
  Report("{\"event\":\"shown\",\"kind\":" + std::to_string(g_kind) +
         ",\"hwnd\":" + std::to_string(reinterpret_cast<uintptr_t>(dialog)) +
         ",\"window\":" + RectJson(rect) + ",\"controls\":" + controls + "]}");
}

std::vector<int> Kinds(const std::string& list) {
  std::vector<int> kinds;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = list.find(',', start);
    const std::string item = list.substr(start, comma == std::string::npos ? comma : comma - start);
    if (!item.empty())
      kinds.push_back(std::atoi(item.c_str()));
    if (comma == std::string::npos)
      break;
    start = comma + 1;
  }
  return kinds;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  const base::CommandLine& command_line = lite_installer::ProcessCommandLine();
  const bool redesigned = !command_line.HasSwitch("classic");
  std::string language = command_line.GetSwitchValueASCII("lang");
  if (language.empty())
    language = "en";
  logging::InstallLogSink(std::make_unique<logging::FileLogger>(
      lite_installer::GetTempDirectory() + u"lite_installer.log", 1048576,
      logging::CreateWinLogFileSystem()));

  lite_installer::UiPlatformScope ui_platform;
  // The theme adds the embedded fonts the redesigned dialogs use.
  lite_installer::InstallationWindowThemeBase theme(lite_installer::GetDpiScale(),
                                                    ::LanguageIdFromCode(language));
  lite_installer::MessageDialogContext context;
  context.language_id = ::LanguageIdFromCode(language);
  context.factor = lite_installer::GetDpiScale();
  context.windows8_or_later = !command_line.HasSwitch("before-windows8");
  const std::string site = "http://127.0.0.1:1/site";
  context.download_page_url = lite_installer::BuildDownloadPageUrl(site, {{"lang", language}});
  context.vendor_site_url = lite_installer::VendorSiteUrl(site);
  context.feedback_page_url = lite_installer::FeedbackPageUrl(site);
  context.log_path = lite_installer::GetTempDirectory() + u"lite_installer.log";

  const base::String16 report_path = command_line.GetSwitchValueNative("report");
  if (!report_path.empty())
    g_report = ::_wfopen(reinterpret_cast<const wchar_t*>(report_path.c_str()), L"w");
  g_close_signal = command_line.GetSwitchValueNative("close-signal");
  if (!g_close_signal.empty())
    ::SetTimer(nullptr, 0, 50, CloseOnSignal);
  int result = 2;
  for (int kind : Kinds(command_line.GetSwitchValueASCII("kinds"))) {
    std::unique_ptr<lite_installer::MessageDialog> dialog =
        lite_installer::CreateMessageDialogOfKind(kind, redesigned, context);
    g_kind = kind;
    result = 2;
    if (dialog) {
      ::SetTimer(nullptr, 0, 100, DescribeWhenShown);
      result = dialog->DoModal(nullptr);
    }
    Report("{\"event\":\"result\",\"kind\":" + std::to_string(kind) +
           ",\"result\":" + std::to_string(result) + "}");
  }
  if (g_report)
    std::fclose(g_report);
  return result;
}
