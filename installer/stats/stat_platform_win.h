// The statistics sender's view of Windows, and the background sender of the
// statistics requests.
#ifndef INSTALLER_STATS_STAT_PLATFORM_WIN_H_
#define INSTALLER_STATS_STAT_PLATFORM_WIN_H_

#include <memory>

#include "installer/stats/install_stat_reporter.h"
#include "installer/stats/install_stat_sender.h"

namespace installer {

class StatSenderPlatformWin : public StatSenderPlatform {
 public:
  base::String16 ReadBrowserValue(const std::string& name) override;
  void StoreBrowserValue(const std::string& name, const base::String16& text) override;
  void RemoveBrowserValue(const std::string& name) override;
  bool EventExists(const base::String16& name) override;
  std::string UserId() override;
  std::string OwnFileVersion() override;
  bool EscapeSegment(const base::String16& text, base::String16* escaped) override;
  std::string StatsOrigin() override;
};

// The platform object every reporter of this process shares.
StatSenderPlatform* GetStatSenderPlatform();

// Statistics requests through the asynchronous HTTP request sender.
std::unique_ptr<StatRequestSender> CreateAsyncStatRequestSender();

}  // namespace installer

#endif  // INSTALLER_STATS_STAT_PLATFORM_WIN_H_
