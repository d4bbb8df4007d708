#include "installer/lite_installer/ui/message_dialog_factory_win.h"

#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/config/distrib_info_params.h"
#include "installer/lite_installer/process_command_line_win.h"
#include "installer/lite_installer/temp_path_win.h"
#include "installer/lite_installer/ui/classic_message_dialog_win.h"
#include "installer/lite_installer/ui/dpi_scale_win.h"
#include "installer/lite_installer/ui/main_window_win.h"
#include "installer/lite_installer/ui/redesigned_message_dialog_win.h"
#include "installer/lite_installer/ui/vendor_site_urls.h"
#include "installer/util/windows_version_win.h"

namespace lite_installer {

namespace {

MessageDialogContext BaseContext(uint16_t language_id) {
  MessageDialogContext context;
  context.language_id = language_id;
  context.factor = GetDpiScale();
  context.windows8_or_later = installer::GetWindowVersionNumber() >= kWindowVersion8;
  context.log_path = GetTempDirectory() + u"lite_installer.log";
  return context;
}

}  // namespace

std::unique_ptr<MessageDialog> CreateMessageDialogOfKind(int kind,
                                                         bool redesigned,
                                                         const MessageDialogContext& context) {
  if (redesigned) {
    if (std::optional<MessageDialogContent> content = RedesignedDialogContent(kind))
      return std::make_unique<RedesignedMessageDialog>(*content, context);
    return nullptr;
  }
  if (std::optional<MessageDialogContent> content = ClassicDialogContent(kind))
    return std::make_unique<ClassicMessageDialog>(*content, context);
  return nullptr;
}

std::unique_ptr<DialogWindow> ErrorDialogProvider::CreateErrorDialog(int kind) {
  if (kind != kWrongBitnessDialog && kind != kProgramFilesDialog && kind != kFolderLockedDialog &&
      kind != kLogFileDialog)
    return nullptr;
  return CreateMessageDialogOfKind(kind, redesigned_, context_);
}

std::unique_ptr<DialogWindow> ErrorDialogProvider::CreateCryptoProDialog() {
  return CreateMessageDialogOfKind(kCryptoProDialog, redesigned_, context_);
}

std::unique_ptr<DialogWindow> ErrorDialogProvider::CreateDownloadDialog() {
  return CreateMessageDialogOfKind(kDownloadOfferDialog, redesigned_, context_);
}

std::unique_ptr<DialogWindow> ErrorDialogProvider::CreateFailureDialog() {
  const bool disabled = ProcessCommandLine().HasSwitch("disable-error-dialog-download-button");
  return disabled ? CreateErrorDialog(kLogFileDialog) : CreateDownloadDialog();
}

bool MessageDialogFactory::redesigned() const {
  return brand_->info().dialogs_redesign;
}

MessageDialogContext MessageDialogFactory::Context() const {
  MessageDialogContext context = BaseContext(brand_->info().language_id);
  const std::string site = BrowserSiteForBrand(brand_->info().brand_id);
  context.download_page_url = BuildDownloadPageUrl(site, distrib_->params());
  context.vendor_site_url = VendorSiteUrl(site);
  context.feedback_page_url = FeedbackPageUrl(site);
  return context;
}

std::unique_ptr<DialogWindow> MessageDialogFactory::CreateMessageDialog(int kind) {
  if (kind != kHigherVersionDialog && kind != kCorpUserHigherVersionDialog &&
      kind != kCorpUserBrowserExistsDialog && kind != kCorporateBrowserExistsDialog)
    return nullptr;
  return CreateMessageDialogOfKind(kind, redesigned(), Context());
}

std::unique_ptr<DialogWindow> MessageDialogFactory::CreateResumePrompt() {
  return CreateMessageDialogOfKind(kResumePromptDialog, redesigned(), Context());
}

std::unique_ptr<ErrorDialogProvider> MessageDialogFactory::CreateErrorDialogProvider() {
  return std::make_unique<ErrorDialogProvider>(redesigned(), Context());
}

std::unique_ptr<DialogWindow> MessageDialogFactory::CreateDialogForCode(int code) {
  const bool disabled = ProcessCommandLine().HasSwitch("disable-error-dialog-download-button");
  const std::optional<int> kind = DialogKindForErrorCode(code, disabled);
  if (!kind)
    return nullptr;
  std::unique_ptr<ErrorDialogProvider> provider = CreateErrorDialogProvider();
  switch (*kind) {
    case kCryptoProDialog:
      return provider->CreateCryptoProDialog();
    case kDownloadOfferDialog:
    case kLogFileDialog:
      return provider->CreateFailureDialog();
    default:
      return provider->CreateErrorDialog(*kind);
  }
}

void ShowDiskSpaceRefusal(uint16_t language_id) {
  std::unique_ptr<MessageDialog> dialog =
      CreateMessageDialogOfKind(kDiskSpaceDialog, false, BaseContext(language_id));
  if (dialog)
    dialog->DoModal(nullptr);
}

}  // namespace lite_installer
