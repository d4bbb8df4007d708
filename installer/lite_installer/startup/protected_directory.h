// Decisions of the restart from a protected directory, used where the system
// cannot restrict library loading to its own directory: the process copies
// itself into a directory it has just created, runs that copy and relays its
// exit code. Paths, naming, the copy's command line and the meaning of its
// end are decided here; the system calls live in the _win adapter.
#ifndef INSTALLER_LITE_INSTALLER_STARTUP_PROTECTED_DIRECTORY_H_
#define INSTALLER_LITE_INSTALLER_STARTUP_PROTECTED_DIRECTORY_H_

#include <cstdint>
#include <vector>

#include "base/command_line.h"
#include "base/strings.h"
#include "installer/lite_installer/startup/secure_environment_result.h"

namespace lite_installer {

// Marks the copy that runs from the protected directory.
inline constexpr char kSpawnedInProtectedDirSwitch[] = "spawned_in_protected_dir";
inline constexpr char kRunAsAdminSwitch[] = "run-as-admin";

// The longest path (in characters, without the terminator) the system's
// classic path buffers hold.
inline constexpr size_t kMaxPathLength = 259;

// How many names are tried in each parent directory before giving up on it.
inline constexpr uint32_t kProtectedDirectoryAttempts = 16;

// The protected copy itself and the elevated child never start a copy: they
// only look for libraries beside their executable.
bool IsProtectedCopyOrElevatedChild(const base::CommandLine& command_line);

// The executable's path from a GetModuleFileName-style result: empty when the
// call failed (|length| 0) or filled the whole buffer (the path was cut).
base::String16 OwnPathFromModuleFileName(base::StringPiece16 buffer,
                                         uint32_t length,
                                         uint32_t capacity);

// The secure temporary directory: "Temp" under the Windows directory, which
// only administrators may change. Empty when |windows_directory| is.
base::String16 SecureTempDirectoryOf(base::StringPiece16 windows_directory);

// Where the new directory is created, in order: the secure temporary
// directory first for an administrator, then the user's. Empty candidates
// are left out.
std::vector<base::String16> ProtectedDirectoryParents(bool is_admin,
                                                      base::StringPiece16 secure_temp,
                                                      base::StringPiece16 user_temp);

// A directory name for attempt |attempt| of process |process_id|; |stamp|
// (a clock reading) keeps names apart between runs that reuse a process id.
base::String16 ProtectedDirectoryName(uint32_t process_id, uint32_t stamp, uint32_t attempt);

// |directory| and |name| with exactly one backslash between them.
base::String16 JoinPath(base::StringPiece16 directory, base::StringPiece16 name);
// The last component of |path| (after the last '\' or '/').
base::String16 BaseNameOf(base::StringPiece16 path);
// Everything before the last component, without the separator; empty when
// |path| has no separator.
base::String16 DirectoryOf(base::StringPiece16 path);

// The search pattern for library files beside |own_path|; in the current
// directory when the own path is unknown.
base::String16 DllPatternBeside(base::StringPiece16 own_path);

// The copy's command line: |process|'s with the program replaced by
// |copy_path| and the protected-copy switch added.
base::String16 ProtectedCopyCommandLine(const base::CommandLine& process,
                                        base::StringPiece16 copy_path);

// Whether |path| may be handed to the restart-time deletion.
bool FitsMaxPath(base::StringPiece16 path);

struct ProtectedCopyOutcome {
  SecureEnvironmentResult result = kInsecureEnvironment;
  int exit_code = 0;
};

// What the parent makes of the copy's end. |ended|: the wait for the copy
// succeeded; |exit_code_known|: its exit code could be read.
ProtectedCopyOutcome OutcomeOfProtectedCopy(bool ended, bool exit_code_known, uint32_t exit_code);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_STARTUP_PROTECTED_DIRECTORY_H_
