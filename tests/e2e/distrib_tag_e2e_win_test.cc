// The installer reads the distribution tag from its own signature.
#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <softpub.h>
#include <wintrust.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "installer/util/registry_win.h"
#include "tests/support/fake_setup_records_win.h"
#include "tests/support/files_win.h"
#include "tests/support/installer_run_win.h"

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

// A silent run of |program| whose setup archive is the signed fake setup.
class TaggedRun {
 public:
  TaggedRun(const std::wstring& arguments, const std::wstring& program = L"")
      : temp_(test::MakeUniqueTempDir()) {
    EXPECT_TRUE(test::ServeFakeSetup(temp_));
    run_.emplace(arguments, temp_, program);
    EXPECT_TRUE(run_->started());
    exit_code_ = run_->Wait();
  }
  const InstallerRun& run() const { return *run_; }
  int exit_code() const { return exit_code_; }
  // The parameters kept in the registry when setup ran (a successful run
  // removes them afterwards).
  std::string StoredParams() const {
    const auto values = test::FakeSetupRegistry(temp_);
    const auto it = values.find("DistribInfoParams");
    return it == values.end() ? std::string() : it->second;
  }

 private:
  std::wstring temp_;
  std::optional<InstallerRun> run_;
  int exit_code_ = -1;
};

TEST(DistribTagE2eTest, CertificateTagBecomesParametersFileAndRegistryValue) {
  const TaggedRun tagged(L"--silent", Variant("cert"));
  const InstallerRun& run = tagged.run();
  EXPECT_EQ(tagged.exit_code(), 0);
  EXPECT_EQ(DistribInfoFile(run), R"({"lang":"uk","partner_id":"42","testids":"5/x"})");
  EXPECT_EQ(tagged.StoredParams(), "partner_id=42&lang=uk&testids=5/x");
  const std::vector<std::string> messages = run.OwnLogMessages();
  // The "lang" parameter overrides the brand package's language.
  EXPECT_TRUE(Contains(messages, "INFO: Default language: uk")) << test::Joined(messages);
  EXPECT_TRUE(Contains(messages, "INFO: Brand id: velnor"));
  // The only error is the default brand's versioned URL, whose version
  // placeholder is never filled in.
  for (const std::string& message : messages) {
    if (message.rfind("ERROR:", 0) == 0) {
      EXPECT_EQ(message.rfind("ERROR: Wrong setup url:", 0), 0u) << message;
    }
  }
}

TEST(DistribTagE2eTest, AppendedTagIsReadWhenNoCertificateCarriesOne) {
  const TaggedRun tagged(L"--silent", Variant("appended"));
  EXPECT_EQ(tagged.exit_code(), 0);
  EXPECT_EQ(DistribInfoFile(tagged.run()), R"({"def":"1","partner_id":"7","stat":"2"})");
  EXPECT_EQ(tagged.StoredParams(), "partner_id=7&def=1&stat=2");
}

TEST(DistribTagE2eTest, SwitchWinsOverTheTag) {
  const TaggedRun tagged(L"--silent --distr-info-params=x=1&lang=tr", Variant("cert"));
  EXPECT_EQ(tagged.exit_code(), 0);
  EXPECT_EQ(DistribInfoFile(tagged.run()), R"({"lang":"tr","x":"1"})");
  EXPECT_TRUE(Contains(tagged.run().OwnLogMessages(), "INFO: Default language: tr"));
}

TEST(DistribTagE2eTest, UnsignedInstallerRunsWithoutParameters) {
  const TaggedRun tagged(L"--silent");
  EXPECT_EQ(tagged.exit_code(), 0);
  EXPECT_EQ(DistribInfoFile(tagged.run()), "");
  const std::vector<std::string> messages = tagged.run().OwnLogMessages();
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
