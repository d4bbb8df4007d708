// One statistics event: keys with their values, ordered by key.
#ifndef INSTALLER_STATS_STAT_EVENT_H_
#define INSTALLER_STATS_STAT_EVENT_H_

#include <map>
#include <string>

#include "base/strings.h"

namespace installer {

using StatEvent = std::map<std::string, base::String16>;

// Where a statistics request goes: the "cid" and "path" segments.
enum StatDestination : int {
  kStatDestinationExtended = 0,
  kStatDestinationReinstallDialog = 1,
};

}  // namespace installer

#endif  // INSTALLER_STATS_STAT_EVENT_H_
