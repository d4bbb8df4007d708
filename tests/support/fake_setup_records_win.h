// The fake setup program in an installation test: served by the local vendor
// services as the browser's setup archive, and what it recorded when the
// installer ran it.
#ifndef TESTS_SUPPORT_FAKE_SETUP_RECORDS_WIN_H_
#define TESTS_SUPPORT_FAKE_SETUP_RECORDS_WIN_H_

#include <map>
#include <string>

namespace test {

// The signed fake setup (a variant of tests/e2e/make-signed-setups) as the
// browser's setup archive on every URL of the default brand, recording what
// it saw into |temp_dir| (a Windows path with a trailing backslash).
bool ServeFakeSetup(const std::wstring& temp_dir, const char* variant = "sha256");
std::wstring SignedSetup(const char* variant);
// The command line the fake setup was started with; empty when it never ran.
std::string FakeSetupCommandLine(const std::wstring& temp_dir);
// The installer's registry values as the fake setup found them.
std::map<std::string, std::string> FakeSetupRegistry(const std::wstring& temp_dir);

}  // namespace test

#endif  // TESTS_SUPPORT_FAKE_SETUP_RECORDS_WIN_H_
