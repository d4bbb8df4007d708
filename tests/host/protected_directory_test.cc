#include "installer/lite_installer/startup/protected_directory.h"

#include <gtest/gtest.h>

#include <set>

#include "installer/lite_installer/exit_codes.h"
#include "installer/lite_installer/startup/secure_environment_result.h"

namespace lite_installer {
namespace {

TEST(ProtectedDirectoryTest, OnlyANormalRunStartsACopy) {
  EXPECT_FALSE(IsProtectedCopyOrElevatedChild(
      base::CommandLine::FromString(u"\"C:\\dl\\setup.exe\" --silent")));
  EXPECT_TRUE(IsProtectedCopyOrElevatedChild(
      base::CommandLine::FromString(u"setup.exe --spawned_in_protected_dir")));
  EXPECT_TRUE(IsProtectedCopyOrElevatedChild(
      base::CommandLine::FromString(u"setup.exe --run-as-admin --parent-installer-process-id=4")));
  // Switch names are compared without case, like every switch.
  EXPECT_TRUE(IsProtectedCopyOrElevatedChild(
      base::CommandLine::FromString(u"setup.exe --Spawned_In_Protected_Dir")));
}

TEST(ProtectedDirectoryTest, CopyCommandLineReplacesTheProgramAndMarksTheCopy) {
  const base::CommandLine process = base::CommandLine::FromString(
      u"\"C:\\Users\\me\\Downloads\\setup.exe\" --silent --brand-name=x");
  const base::String16 copy_path = u"C:\\Windows\\Temp\\lite_installer_1\\setup.exe";
  const base::String16 text = ProtectedCopyCommandLine(process, copy_path);
  const base::CommandLine copy = base::CommandLine::FromString(text);
  EXPECT_EQ(copy.GetProgram(), copy_path);
  EXPECT_TRUE(copy.HasSwitch("spawned_in_protected_dir"));
  EXPECT_TRUE(copy.HasSwitch("silent"));
  EXPECT_EQ(copy.GetSwitchValueASCII("brand-name"), "x");
  EXPECT_EQ(text.find(u"Downloads"), base::String16::npos);
  // The copy of a copy is never started, but adding the switch twice must
  // not duplicate it either.
  EXPECT_EQ(ProtectedCopyCommandLine(copy, copy_path), text);
}

TEST(ProtectedDirectoryTest, ParentsPutTheSecureDirectoryFirstForAdministrators) {
  using Parents = std::vector<base::String16>;
  EXPECT_EQ(ProtectedDirectoryParents(true, u"C:\\Windows\\Temp", u"C:\\Users\\me\\Temp\\"),
            (Parents{u"C:\\Windows\\Temp", u"C:\\Users\\me\\Temp\\"}));
  EXPECT_EQ(ProtectedDirectoryParents(false, u"C:\\Windows\\Temp", u"C:\\Users\\me\\Temp\\"),
            (Parents{u"C:\\Users\\me\\Temp\\"}));
  EXPECT_EQ(ProtectedDirectoryParents(true, u"", u"C:\\T\\"), (Parents{u"C:\\T\\"}));
  EXPECT_TRUE(ProtectedDirectoryParents(false, u"C:\\Windows\\Temp", u"").empty());
  EXPECT_EQ(SecureTempDirectoryOf(u"C:\\WINDOWS"), u"C:\\WINDOWS\\Temp");
  EXPECT_EQ(SecureTempDirectoryOf(u""), u"");
}

TEST(ProtectedDirectoryTest, NamesDifferPerAttemptProcessAndStampAndStayShort) {
  std::set<base::String16> names;
  for (uint32_t attempt = 0; attempt < kProtectedDirectoryAttempts; ++attempt) {
    names.insert(ProtectedDirectoryName(0x1234, 0xFFFFFFF0u, attempt));
    names.insert(ProtectedDirectoryName(0x1235, 0xFFFFFFF0u, attempt));
  }
  EXPECT_EQ(names.size(), 2 * kProtectedDirectoryAttempts);
  EXPECT_NE(ProtectedDirectoryName(7, 1, 0), ProtectedDirectoryName(7, 2, 0));
  for (const base::String16& name : names) {
    EXPECT_LE(name.size(), 40u);
    EXPECT_EQ(name.find_first_of(u"\\/:*?\"<>| "), base::String16::npos);
  }
}

TEST(ProtectedDirectoryTest, PathPieces) {
  EXPECT_EQ(JoinPath(u"C:\\T\\", u"a.exe"), u"C:\\T\\a.exe");
  EXPECT_EQ(JoinPath(u"C:\\T", u"a.exe"), u"C:\\T\\a.exe");
  EXPECT_EQ(JoinPath(u"C:\\T", u"\\a.exe"), u"C:\\T\\a.exe");
  EXPECT_EQ(BaseNameOf(u"C:\\dl\\my setup.exe"), u"my setup.exe");
  EXPECT_EQ(BaseNameOf(u"C:/dl/setup.exe"), u"setup.exe");
  EXPECT_EQ(BaseNameOf(u"setup.exe"), u"setup.exe");
  EXPECT_EQ(DirectoryOf(u"C:\\dl\\setup.exe"), u"C:\\dl");
  EXPECT_EQ(DirectoryOf(u"setup.exe"), u"");
  EXPECT_EQ(DllPatternBeside(u"C:\\dl\\setup.exe"), u"C:\\dl\\*.dll");
  EXPECT_EQ(DllPatternBeside(u""), u"*.dll");
}

TEST(ProtectedDirectoryTest, OwnPathIsEmptyWhenTheCallFailedOrCut) {
  const base::String16 buffer = u"C:\\dl\\setup.exe";
  EXPECT_EQ(OwnPathFromModuleFileName(buffer, 15, 260), u"C:\\dl\\setup.exe");
  EXPECT_EQ(OwnPathFromModuleFileName(buffer, 0, 260), u"");
  // A cut path fills the buffer exactly.
  EXPECT_EQ(OwnPathFromModuleFileName(buffer, 15, 15), u"");
  EXPECT_TRUE(FitsMaxPath(base::String16(259, u'a')));
  EXPECT_FALSE(FitsMaxPath(base::String16(260, u'a')));
}

TEST(ProtectedDirectoryTest, CopyEndIsRelayed) {
  struct Case {
    bool ended;
    bool known;
    uint32_t code;
    SecureEnvironmentResult result;
    int exit_code;
  };
  const Case cases[] = {
      {true, true, 0, kProtectedCopyFinished, 0},
      {true, true, 400, kProtectedCopyFinished, 400},
      {true, true, static_cast<uint32_t>(-1), kProtectedCopyFinished, -1},
      {true, true, static_cast<uint32_t>(-200), kInsecureEnvironment, -200},
      {true, true, 0xFFFFFF38u, kInsecureEnvironment, -200},
      // Not observed: a failure, never the 0 of a finished installation.
      {false, false, 0, kInsecureEnvironment, kExitProtectedCopyLost},
      {true, false, 0, kInsecureEnvironment, kExitProtectedCopyLost},
  };
  for (const Case& c : cases) {
    const ProtectedCopyOutcome outcome = OutcomeOfProtectedCopy(c.ended, c.known, c.code);
    EXPECT_EQ(outcome.result, c.result) << c.code;
    EXPECT_EQ(outcome.exit_code, c.exit_code) << c.code;
  }
  EXPECT_NE(kExitProtectedCopyLost, 0);
}

TEST(SecureEnvironmentStepTest, EachOutcome) {
  SecureEnvironmentStep step = StepForSecureEnvironment(kInsecureEnvironment, -200);
  EXPECT_STREQ(step.log_line, "Exiting, because of insecure environment.");
  EXPECT_TRUE(step.end_run);
  EXPECT_EQ(step.exit_code, -200);

  step = StepForSecureEnvironment(kSecureEnvironmentNotFound, 5);
  EXPECT_STREQ(step.log_line, "Can't find secure environment.");
  EXPECT_FALSE(step.end_run);

  step = StepForSecureEnvironment(kSecureEnvironment, 5);
  EXPECT_STREQ(step.log_line, "Runned in secure environment.");
  EXPECT_FALSE(step.end_run);

  step = StepForSecureEnvironment(kDllFilesInWorkingDirectory, 0);
  EXPECT_STREQ(step.log_line, "Exiting, DLL files found in working directory");
  EXPECT_TRUE(step.end_run);
  EXPECT_EQ(step.exit_code, -200);

  // The copy's code is relayed without a line of its own.
  step = StepForSecureEnvironment(kProtectedCopyFinished, 42);
  EXPECT_EQ(step.log_line, nullptr);
  EXPECT_TRUE(step.end_run);
  EXPECT_EQ(step.exit_code, 42);
}

}  // namespace
}  // namespace lite_installer
