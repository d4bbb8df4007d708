// The names through which tests steer the fake setup program and read back
// what it saw: the environment variables it reads (each overrides the key of
// its configuration file named in the comment) and the files it writes.
#ifndef TESTS_SUPPORT_FAKE_SETUP_PROTOCOL_H_
#define TESTS_SUPPORT_FAKE_SETUP_PROTOCOL_H_

// Each name as a narrow constant and, with a "W" suffix, a wide one.
#define TEST_FAKE_SETUP_NAME(constant, text) \
  inline constexpr char constant[] = text;   \
  inline constexpr wchar_t constant##W[] = L"" text;

namespace fake_setup {

// File that receives the command line ("record").
TEST_FAKE_SETUP_NAME(kRecordEnv, "LITE_FAKE_SETUP_RECORD")
// The process exit code ("exit_code").
TEST_FAKE_SETUP_NAME(kExitCodeEnv, "LITE_FAKE_SETUP_EXIT_CODE")
// Where the program copies itself, as run.
TEST_FAKE_SETUP_NAME(kCopySelfEnv, "LITE_FAKE_SETUP_COPY_SELF")
// Milliseconds the program runs before it exits.
TEST_FAKE_SETUP_NAME(kRunMsEnv, "LITE_FAKE_SETUP_RUN_MS")
// Milliseconds a child keeps the browser's window ("browser_window_ms").
TEST_FAKE_SETUP_NAME(kBrowserMsEnv, "LITE_FAKE_SETUP_BROWSER_MS")
// Stage codes posted to the window, comma-separated ("install_progress").
TEST_FAKE_SETUP_NAME(kInstallProgressEnv, "LITE_FAKE_SETUP_INSTALL_PROGRESS")
// Import percentages posted to the window, comma-separated ("import_progress").
TEST_FAKE_SETUP_NAME(kImportProgressEnv, "LITE_FAKE_SETUP_IMPORT_PROGRESS")
// "1" posts the close request to the window last ("close_window").
TEST_FAKE_SETUP_NAME(kCloseWindowEnv, "LITE_FAKE_SETUP_CLOSE_WINDOW")
// Milliseconds between two messages to the window ("message_gap_ms"), so
// that a watcher sees every value.
TEST_FAKE_SETUP_NAME(kMessageGapEnv, "LITE_FAKE_SETUP_MESSAGE_GAP_MS")

// The configuration file beside the program.
TEST_FAKE_SETUP_NAME(kConfigFileName, "fake_setup.json")
// Appended to the program's path for the record when none is named.
TEST_FAKE_SETUP_NAME(kDefaultRecordSuffix, ".cmdline.txt")
// Appended to the record's path for the installer's registry values.
TEST_FAKE_SETUP_NAME(kRegistryRecordSuffix, ".registry")

// The file names the installation tests give the record and the copy in a
// run's temporary directory.
TEST_FAKE_SETUP_NAME(kRunRecordName, "setup-record.txt")
TEST_FAKE_SETUP_NAME(kRunImageName, "setup-image.bin")

}  // namespace fake_setup

#undef TEST_FAKE_SETUP_NAME

#endif  // TESTS_SUPPORT_FAKE_SETUP_PROTOCOL_H_
