#include "installer/stats/install_stat_reporter.h"

#include <utility>

namespace installer {

InstallStatReporter::InstallStatReporter(StatSenderPlatform* platform,
                                         const base::String16& seed,
                                         std::unique_ptr<StatRequestSender> request_sender)
    : sender_(platform, seed), request_sender_(std::move(request_sender)) {}

InstallStatReporter::~InstallStatReporter() {
  request_sender_.reset();
}

void InstallStatReporter::SetStatParam(int index, std::string_view utf8_value) {
  std::lock_guard<std::mutex> hold(lock_);
  sender_.SetParam(index, utf8_value);
}

base::String16 InstallStatReporter::GetStatParam(int index) {
  std::lock_guard<std::mutex> hold(lock_);
  return sender_.GetParam(index);
}

void InstallStatReporter::SendLocked(const StatEvent& event) {
  const std::string url = sender_.GetQueryUrl(event);
  if (request_sender_)
    request_sender_->Send(base::UTF8ToUTF16(url));
}

void InstallStatReporter::SendEvent(const StatEvent& event) {
  std::lock_guard<std::mutex> hold(lock_);
  SendLocked(event);
}

void InstallStatReporter::SendDialogEvent(const StatEvent& event) {
  std::lock_guard<std::mutex> hold(lock_);
  sender_.set_destination(kStatDestinationReinstallDialog);
  SendLocked(event);
  sender_.set_destination(default_destination_);
}

void InstallStatReporter::StoreStatParams() {
  std::lock_guard<std::mutex> hold(lock_);
  sender_.StoreParams();
}

}  // namespace installer
