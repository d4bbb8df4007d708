// Pairs the statistics sender with a background request sender: each event
// becomes one GET that nobody waits for.
#ifndef INSTALLER_STATS_INSTALL_STAT_REPORTER_H_
#define INSTALLER_STATS_INSTALL_STAT_REPORTER_H_

#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "base/strings.h"
#include "installer/stats/install_stat_sender.h"
#include "installer/stats/stat_event.h"

namespace installer {

// Hands a URL to whatever sends it in the background.
class StatRequestSender {
 public:
  virtual ~StatRequestSender() = default;
  virtual void Send(const base::String16& url) = 0;
};

class InstallStatReporter {
 public:
  // |platform| is not owned; the request sender is.
  InstallStatReporter(StatSenderPlatform* platform,
                      const base::String16& seed,
                      std::unique_ptr<StatRequestSender> request_sender);
  InstallStatReporter(const InstallStatReporter&) = delete;
  InstallStatReporter& operator=(const InstallStatReporter&) = delete;
  ~InstallStatReporter();

  void SetStatParam(int index, std::string_view utf8_value);
  base::String16 GetStatParam(int index);
  void SendEvent(const StatEvent& event);
  void SendDialogEvent(const StatEvent& event);
  void StoreStatParams();

 private:
  void SendLocked(const StatEvent& event);

  // Guards the parameters and the destination: the window thread sends
  // dialog events while the work thread sets parameters and sends.
  std::mutex lock_;
  // The destructor ends the request sender's thread first.
  InstallStatSender sender_;
  std::unique_ptr<StatRequestSender> request_sender_;
  const int default_destination_ = kStatDestinationExtended;
};

}  // namespace installer

#endif  // INSTALLER_STATS_INSTALL_STAT_REPORTER_H_
