// Downloads a seed and writes its file.
#ifndef INSTALLER_UTIL_VARIATIONS_WIN_H_
#define INSTALLER_UTIL_VARIATIONS_WIN_H_

#include <windows.h>

#include <string>

#include "base/strings.h"
#include "installer/util/variations.h"

namespace installer {

bool DownloadAndSaveVariations(const std::string& url,
                               const base::String16& path,
                               HANDLE stop_event);
bool SaveVariations(const base::String16& path, const VariationsSeed& seed);

}  // namespace installer

#endif  // INSTALLER_UTIL_VARIATIONS_WIN_H_
