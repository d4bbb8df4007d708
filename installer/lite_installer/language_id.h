// The languages the installer treats specially.
#ifndef INSTALLER_LITE_INSTALLER_LANGUAGE_ID_H_
#define INSTALLER_LITE_INSTALLER_LANGUAGE_ID_H_

#include <cstdint>

// English (United States), 0x0409: the default language and the string table
// used when a language has no string of its own.
constexpr uint16_t kLanguageIdEnglish = 1033;
// Russian, 0x0419: the interface language with pictures of its own.
constexpr uint16_t kLanguageIdRussian = 1049;

#endif  // INSTALLER_LITE_INSTALLER_LANGUAGE_ID_H_
