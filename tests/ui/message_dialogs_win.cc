// Shows one of the installer's message dialogs on its own, for the window
// tests and the gallery:
//   ui_message_dialogs --kind=N [--classic] [--lang=CODE]
//                      [--force-device-scale-factor=F] [--log-path=PATH]
//                      [--before-windows8]
// The exit code is the dialog's result (1, 212 or 213), 2 for a kind the
// style does not have.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "installer/lite_installer/config/brand_info.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "installer/lite_installer/ui/dpi_scale_win.h"
#include "installer/lite_installer/ui/installation_window_theme_win.h"
#include "installer/lite_installer/ui/message_dialog_factory_win.h"
#include "installer/lite_installer/ui/ui_platform_scope_win.h"
#include "installer/lite_installer/ui/vendor_site_urls.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  const base::CommandLine& command_line = lite_installer::ProcessCommandLine();
  const int kind = std::atoi(command_line.GetSwitchValueASCII("kind").c_str());
  const bool redesigned = !command_line.HasSwitch("classic");
  std::string language = command_line.GetSwitchValueASCII("lang");
  if (language.empty())
    language = "en";

  lite_installer::UiPlatformScope ui_platform;
  // The theme adds the embedded fonts the redesigned dialogs use.
  lite_installer::InstallationWindowThemeBase theme(lite_installer::GetDpiScale());
  lite_installer::MessageDialogContext context;
  context.language_id = lite_installer::LanguageIdFromCode(language);
  context.factor = lite_installer::GetDpiScale();
  context.windows8_or_later = !command_line.HasSwitch("before-windows8");
  const std::string site = "http://127.0.0.1:1/site";
  context.download_page_url = lite_installer::BuildDownloadPageUrl(site, {{"lang", language}});
  context.vendor_site_url = lite_installer::VendorSiteUrl(site);
  context.feedback_page_url = lite_installer::FeedbackPageUrl(site);
  context.log_path = command_line.GetSwitchValueNative("log-path");
  if (context.log_path.empty())
    context.log_path = u"C:\\users\\tester\\Temp\\lite_installer.log";
  std::unique_ptr<lite_installer::MessageDialog> dialog =
      lite_installer::CreateMessageDialogOfKind(kind, redesigned, context);
  if (!dialog)
    return 2;
  return dialog->DoModal(nullptr);
}
