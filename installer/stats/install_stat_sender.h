// The installation-wide statistics parameters, and the statistics URL of an
// event: parameters and event keys merged, sorted, escaped and packed into
// the "vars" segment.
#ifndef INSTALLER_STATS_INSTALL_STAT_SENDER_H_
#define INSTALLER_STATS_INSTALL_STAT_SENDER_H_

#include <map>
#include <string>
#include <string_view>

#include "base/strings.h"
#include "installer/stats/stat_event.h"

namespace installer {

using StatParams = std::map<std::string, base::String16>;

// What the sender needs from the system.
class StatSenderPlatform {
 public:
  virtual ~StatSenderPlatform() = default;
  // A string value under the browser's registry key; empty when unreadable.
  virtual base::String16 ReadBrowserValue(const std::string& name) = 0;
  virtual void StoreBrowserValue(const std::string& name, const base::String16& text) = 0;
  virtual void RemoveBrowserValue(const std::string& name) = 0;
  // Whether a named event exists (opened for synchronisation, then closed).
  virtual bool EventExists(const base::String16& name) = 0;
  // The persistent user identifier, with its braces; empty when none.
  virtual std::string UserId() = 0;
  // This program's own file version, "0.0.0.0" when unreadable.
  virtual std::string OwnFileVersion() = 0;
  // URL escaping of one path segment; false when the text cannot be escaped.
  virtual bool EscapeSegment(const base::String16& text, base::String16* escaped) = 0;
  // Scheme, host and port of the statistics service.
  virtual std::string StatsOrigin() = 0;
};

// "install_stat": key, line feed, value, line feed, for each parameter.
base::String16 SerializeStatParams(const StatParams& params);
// Pieces between line feeds alternate key, value; an empty key is skipped.
void ParseStatParams(const base::String16& text, StatParams* params);

class InstallStatSender {
 public:
  enum ParamIndex : int {
    kBrandId = 0,
    kPartnerId = 1,
    kBannerId = 2,
    kVelnorUid = 3,
    kDistrVelnorUid = 4,
    kNewVersion = 5,
    kOldVersion = 6,
    kInstallType = 7,
    kBrowserPresent = 10,
    kTestIds = 11,
  };

  // |platform| is not owned and outlives the sender.
  InstallStatSender(StatSenderPlatform* platform, const base::String16& seed);
  InstallStatSender(const InstallStatSender&) = delete;
  InstallStatSender& operator=(const InstallStatSender&) = delete;
  // Removes "install_stat": the parameters were only meant for this run.
  virtual ~InstallStatSender();

  virtual std::string GetQueryUrl(const StatEvent& event);

  // The key of a parameter index; empty for an index that has none.
  static const char* KeyOf(int index);
  void SetParam(int index, std::string_view utf8_value);
  base::String16 GetParam(int index) const;
  void StoreParams();

  void set_destination(int destination) { destination_ = destination; }
  const StatParams& params() const { return params_; }

 private:
  base::String16 Escape(const base::String16& text);

  StatSenderPlatform* const platform_;
  StatParams params_;
  int destination_ = kStatDestinationExtended;
};

}  // namespace installer

#endif  // INSTALLER_STATS_INSTALL_STAT_SENDER_H_
