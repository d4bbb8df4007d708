// The probe of the shell's internal association registration interface: which
// of its known identifiers the running shell answers, and whether the
// default-browser calls would go through.
#ifndef INSTALLER_VELNOR_UTIL_APPLICATION_ASSOCIATION_REGISTRATION_INTERNAL_H_
#define INSTALLER_VELNOR_UTIL_APPLICATION_ASSOCIATION_REGISTRATION_INTERNAL_H_

#include <memory>
#include <string>

#include "installer/velnor/util/shell_association.h"

namespace installer::win10_default_browser {

// Kind 0 interfaces need nothing more; kind 1 interfaces must also pass the
// check-only registration.
struct RegistrationCandidate {
  Iid iid;
  int kind;
};

inline constexpr RegistrationCandidate kRegistrationCandidates[] = {
    {{0x2A848E25, 0xD688, 0x4AA3, {0x8E, 0x55, 0x0C, 0x16, 0xCB, 0x3A, 0x2D, 0xFB}}, 1},
    {{0xFC0BE3A5, 0x6BE4, 0x423C, {0xB2, 0x87, 0x24, 0x89, 0x34, 0xE3, 0x79, 0xC7}}, 1},
    {{0x14EBCC88, 0x2831, 0x4FC8, {0xA5, 0xDF, 0x9F, 0x36, 0xA8, 0x1D, 0xB1, 0x2C}}, 0},
    {{0x1C5C9D10, 0x1225, 0x4C97, {0x8C, 0x51, 0x98, 0xE1, 0xB6, 0xF0, 0xD4, 0xE0}}, 0},
    {{0x229D59E2, 0xF94A, 0x402E, {0x9A, 0x9F, 0x3B, 0x84, 0xA1, 0xAC, 0xED, 0x77}}, 0},
};

inline constexpr Iid kSetAppAsDefaultBrowserInternalIid = {
    0xB00DC47B,
    0xBFF4,
    0x4318,
    {0xBE, 0x5B, 0xA5, 0x85, 0x69, 0x16, 0x9A, 0xA2}};
inline constexpr Iid kEnumAssocHandlersIid = {0x973810AE,
                                              0x9599,
                                              0x4B88,
                                              {0x9E, 0x4D, 0x6E, 0xE9, 0x8C, 0x95, 0x52, 0xDA}};
inline constexpr Iid kAssocHandlerMakeDefaultIid = {
    0xCA635855,
    0xB44E,
    0x4541,
    {0x95, 0x91, 0x9F, 0xAA, 0x53, 0x35, 0x4A, 0x53}};

struct CreatedRegistration {
  std::unique_ptr<RegistrationInternal> object;  // null when no candidate answered
  int kind = -1;
};

// Tries the candidates in order; the first that answers wins.
CreatedRegistration CreateRegistrationInternal(ShellAssociations& shell);

// |windows_version| names the running system in the failure line.
bool IsInternalInterfaceAvailable(ShellAssociations& shell, const std::string& windows_version);

}  // namespace installer::win10_default_browser

#endif  // INSTALLER_VELNOR_UTIL_APPLICATION_ASSOCIATION_REGISTRATION_INTERNAL_H_
