// The installer reads the distribution tag from its own signature.
#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <softpub.h>
#include <wintrust.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "installer/util/registry_win.h"
#include "tests/e2e/installer_run.h"
#include "tests/win/test_support_win.h"

namespace {

using test::Contains;
using test::InstallerRun;

std::wstring Variant(const char* name) {
  const char* dir = std::getenv("LITE_TAGGED_DIR");
  std::string path = dir ? dir : ".";
  path.append("/").append(name).append("/lite_installer.exe");
  return test::FromUnixPath(path);
}

std::string DistribInfoFile(const InstallerRun& run) {
  return test::ReadWholeFile(run.temp_dir() + L"distrib_info");
}

std::u16string StoredParams() {
  return installer::InstallerRegistryKey().Read("DistribInfoParams");
}

TEST(DistribTagE2eTest, CertificateTagBecomesParametersFileAndRegistryValue) {
  InstallerRun run(L"--silent", L"", Variant("cert"));
  ASSERT_TRUE(run.started());
  EXPECT_EQ(run.Wait(), 400);
  EXPECT_EQ(DistribInfoFile(run), R"({"lang":"uk","partner_id":"42","testids":"5/x"})");
  EXPECT_EQ(StoredParams(), u"partner_id=42&lang=uk&testids=5/x");
  const std::vector<std::string> messages = run.OwnLogMessages();
  // The "lang" parameter overrides the brand package's language.
  EXPECT_TRUE(Contains(messages, "INFO: Default language: uk")) << test::Joined(messages);
  EXPECT_TRUE(Contains(messages, "INFO: Brand id: velnor"));
  EXPECT_FALSE(Contains(messages, "ERROR:")) << test::Joined(messages);
}

TEST(DistribTagE2eTest, AppendedTagIsReadWhenNoCertificateCarriesOne) {
  InstallerRun run(L"--silent", L"", Variant("appended"));
  ASSERT_TRUE(run.started());
  EXPECT_EQ(run.Wait(), 400);
  EXPECT_EQ(DistribInfoFile(run), R"({"def":"1","partner_id":"7","stat":"2"})");
  EXPECT_EQ(StoredParams(), u"partner_id=7&def=1&stat=2");
}

TEST(DistribTagE2eTest, SwitchWinsOverTheTag) {
  InstallerRun run(L"--silent --distr-info-params=x=1&lang=tr", L"", Variant("cert"));
  ASSERT_TRUE(run.started());
  EXPECT_EQ(run.Wait(), 400);
  EXPECT_EQ(DistribInfoFile(run), R"({"lang":"tr","x":"1"})");
  EXPECT_TRUE(Contains(run.OwnLogMessages(), "INFO: Default language: tr"));
}

TEST(DistribTagE2eTest, UnsignedInstallerRunsWithoutParameters) {
  InstallerRun run(L"--silent");
  ASSERT_TRUE(run.started());
  EXPECT_EQ(run.Wait(), 400);
  EXPECT_EQ(DistribInfoFile(run), "");
  const std::vector<std::string> messages = run.OwnLogMessages();
  EXPECT_TRUE(Contains(messages, "ERROR: Failed to find certificate table in "))
      << test::Joined(messages);
  EXPECT_TRUE(Contains(messages, "INFO: Default language: ru"));
}

LONG VerifyTrust(const std::wstring& path) {
  WINTRUST_FILE_INFO file = {};
  file.cbStruct = sizeof(file);
  file.pcwszFilePath = path.c_str();
  WINTRUST_DATA data = {};
  data.cbStruct = sizeof(data);
  data.dwUIChoice = WTD_UI_NONE;
  data.fdwRevocationChecks = WTD_REVOKE_NONE;
  data.dwUnionChoice = WTD_CHOICE_FILE;
  data.pFile = &file;
  data.dwStateAction = WTD_STATEACTION_VERIFY;
  GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
  const LONG result = ::WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
  data.dwStateAction = WTD_STATEACTION_CLOSE;
  ::WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
  return result;
}

TEST(DistribTagE2eTest, TaggedFilesKeepAValidSignature) {
  for (const char* variant : {"signed", "cert", "appended"})
    EXPECT_EQ(VerifyTrust(Variant(variant)), 0) << variant;
  EXPECT_EQ(VerifyTrust(Variant("tampered")), static_cast<LONG>(TRUST_E_BAD_DIGEST));
}

}  // namespace
