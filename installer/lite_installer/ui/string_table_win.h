// Looks up user-interface strings in the executable's string tables.
#ifndef INSTALLER_LITE_INSTALLER_UI_STRING_TABLE_WIN_H_
#define INSTALLER_LITE_INSTALLER_UI_STRING_TABLE_WIN_H_

#include <cstdint>

#include "base/strings.h"
#include "installer/lite_installer/language_id.h"

namespace lite_installer {

// The string |id| of the table for |language_id|; the English table when that
// language has no such string; empty when neither has it. The system finds
// string blocks per exact language only, so the fallback is done here.
base::String16 LoadResourceString(uint32_t id, uint16_t language_id);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_STRING_TABLE_WIN_H_
