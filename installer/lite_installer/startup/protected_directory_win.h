// The system calls of the restart from a protected directory: the new
// directory, the copy of the executable, its start, the look for libraries
// beside an executable and the removal of the directory afterwards.
#ifndef INSTALLER_LITE_INSTALLER_STARTUP_PROTECTED_DIRECTORY_WIN_H_
#define INSTALLER_LITE_INSTALLER_STARTUP_PROTECTED_DIRECTORY_WIN_H_

#include "base/strings.h"
#include "base/win/scoped_handle_win.h"

namespace lite_installer {

// The running executable's path; empty when it cannot be read whole into the
// classic path length.
base::String16 GetOwnExecutablePath();

// Creates a directory that did not exist before, in the secure temporary
// directory for an administrator, else (or when that fails) in the user's
// temporary directory. Its path without a trailing backslash; empty when no
// directory could be created.
base::String16 CreateProtectedDirectory();

// Asks the system to delete |path| at the next restart; nothing happens when
// the path is too long or the request is refused (it needs administrator
// rights).
void ScheduleDeletionAtRestart(const base::String16& path);

// Starts |program| with |command_line| in |directory|; an invalid handle when
// it cannot be started.
base::win::ScopedHandle StartProcessIn(const base::String16& program,
                                       const base::String16& command_line,
                                       const base::String16& directory);

// Whether a file (not a directory) matching "*.dll" lies in the directory of
// |own_path| (in the current directory when |own_path| is empty).
bool HasDllFilesBeside(const base::String16& own_path);

// Deletes |directory| with every file and directory in it; true when it is
// gone. Links inside are removed, never followed.
bool DeleteDirectoryTree(const base::String16& directory);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_STARTUP_PROTECTED_DIRECTORY_WIN_H_
