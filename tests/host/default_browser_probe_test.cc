// The interface probe over fake shell objects and a fake child process.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "installer/velnor/util/application_association_registration_internal.h"
#include "installer/velnor/util/default_browser_safe_check.h"
#include "installer/velnor/util/windows10_file_association_utils.h"
#include "logging/diagnostic_log.h"
#include "tests/support/log_capture.h"

namespace installer::win10_default_browser {
namespace {

// What the fake objects were asked, in order.
using Journal = std::vector<std::string>;

struct FakeHandlerAnswers {
  HResult name_hr = kOk;
  base::String16 name;
  bool make_default = true;
  HResult make_default_hr = kOk;
};

class FakeMakeDefault : public AssocHandlerMakeDefault {
 public:
  FakeMakeDefault(HResult hr, Journal* journal) : hr_(hr), journal_(journal) {}
  HResult MakeDefaultPriv(uint32_t flags) override {
    journal_->push_back("MakeDefaultPriv " + std::to_string(flags));
    return hr_;
  }

 private:
  HResult hr_;
  Journal* journal_;
};

class FakeHandler : public AssocHandler {
 public:
  FakeHandler(FakeHandlerAnswers answers, Journal* journal)
      : answers_(std::move(answers)), journal_(journal) {}
  UiName GetUIName() override { return {answers_.name_hr, answers_.name}; }
  ComResult<AssocHandlerMakeDefault> QueryMakeDefault() override {
    journal_->push_back("QueryMakeDefault " + base::UTF16ToUTF8(answers_.name));
    if (!answers_.make_default)
      return {kNoInterface, nullptr};
    return {kOk, std::make_unique<FakeMakeDefault>(answers_.make_default_hr, journal_)};
  }

 private:
  FakeHandlerAnswers answers_;
  Journal* journal_;
};

class FakeEnum : public EnumAssocHandlers {
 public:
  FakeEnum(std::vector<FakeHandlerAnswers> handlers, Journal* journal, HResult end_hr = kFalse)
      : handlers_(std::move(handlers)), journal_(journal), end_hr_(end_hr) {}
  ~FakeEnum() override { journal_->push_back("enum released"); }
  ComResult<AssocHandler> Next() override {
    journal_->push_back("Next");
    if (next_ == handlers_.size())
      return {end_hr_, nullptr};
    return {kOk, std::make_unique<FakeHandler>(handlers_[next_++], journal_)};
  }

 private:
  std::vector<FakeHandlerAnswers> handlers_;
  size_t next_ = 0;
  Journal* journal_;
  HResult end_hr_;
};

class FakeRegistration : public RegistrationInternal {
 public:
  explicit FakeRegistration(HResult hr) : hr_(hr) {}
  HResult QuerySetAppAsDefaultBrowserInternal() override { return hr_; }

 private:
  HResult hr_;
};

class FakeShell : public ShellAssociations {
 public:
  // Identifiers (by text) that create an object; every other fails.
  std::map<std::string, HResult> answering;
  HResult set_app_hr = kOk;
  // Handlers per protocol or extension; a missing entry fails to enumerate.
  std::map<base::String16, std::vector<FakeHandlerAnswers>> handlers;
  bool registry_writable = true;
  std::vector<std::string> created;
  std::vector<base::String16> toasts;
  Journal journal;

  ComResult<RegistrationInternal> CreateAssociationRegistration(const Iid& iid) override {
    created.push_back(IidText(iid));
    if (!answering.count(IidText(iid)))
      return {kNoInterface, nullptr};
    return {kOk, std::make_unique<FakeRegistration>(answering[IidText(iid)])};
  }
  ComResult<EnumAssocHandlers> EnumHandlersForProtocol(const base::String16& protocol) override {
    return Enumerate(u"protocol " + protocol, protocol);
  }
  ComResult<EnumAssocHandlers> EnumHandlersForExtension(const base::String16& extension) override {
    return Enumerate(u"extension " + extension, extension);
  }
  bool SetUserDword(const base::String16& key_path,
                    const base::String16& name,
                    uint32_t value) override {
    EXPECT_EQ(key_path,
              u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\ApplicationAssociationToasts");
    EXPECT_EQ(value, 0u);
    if (!registry_writable)
      return false;
    toasts.push_back(name);
    return true;
  }

 private:
  ComResult<EnumAssocHandlers> Enumerate(const base::String16& what, const base::String16& key) {
    journal.push_back(base::UTF16ToUTF8(what));
    const auto it = handlers.find(key);
    if (it == handlers.end())
      return {kFail, nullptr};
    return {kOk, std::make_unique<FakeEnum>(it->second, &journal)};
  }
};

// Collects the diagnostic log's lines for one test, with verbose lines on.
class DiagnosticCapture {
 public:
  DiagnosticCapture() {
    logging::SetDiagnosticOutputForTesting(
        [this](std::string_view line) { lines_.emplace_back(line); });
    for (const char* unit :
         {"application_association_registration_internal", "windows10_file_association_utils"})
      logging::SetDiagnosticVerboseLevel(unit, 1);
  }
  ~DiagnosticCapture() {
    logging::SetDiagnosticOutputForTesting(nullptr);
    for (const char* unit :
         {"application_association_registration_internal", "windows10_file_association_utils"})
      logging::SetDiagnosticVerboseLevel(unit, 0);
  }
  const std::vector<std::string>& lines() const { return lines_; }
  bool Has(const std::string& text) const {
    for (const std::string& line : lines_) {
      if (line.find(text) != std::string::npos)
        return true;
    }
    return false;
  }

 private:
  std::vector<std::string> lines_;
};

const FakeHandlerAnswers kReadable = {kOk, u"Some Browser", true, kOk};

TEST(InterfaceProbeTest, CandidatesAreTriedInOrderUntilOneAnswers) {
  DiagnosticCapture capture;
  FakeShell shell;
  EXPECT_FALSE(IsInternalInterfaceAvailable(shell, "10.0.17134.318"));
  EXPECT_EQ(shell.created,
            (std::vector<std::string>{
                "{2A848E25-D688-4AA3-8E55-0C16CB3A2DFB}", "{FC0BE3A5-6BE4-423C-B287-248934E379C7}",
                "{14EBCC88-2831-4FC8-A5DF-9F36A81DB12C}", "{1C5C9D10-1225-4C97-8C51-98E1B6F0D4E0}",
                "{229D59E2-F94A-402E-9A9F-3B84A1ACED77}"}));
  ASSERT_EQ(capture.lines().size(), 6u);
  EXPECT_EQ(capture.lines()[0],
            "[VERBOSE1 application_association_registration_internal:" +
                capture.lines()[0].substr(capture.lines()[0].find(':') + 1, 2) +
                "] IApplicationAssociationRegistrationInternal creation is failed, "
                "hr=0x80004002, guid= {2A848E25-D688-4AA3-8E55-0C16CB3A2DFB}\n");
  EXPECT_NE(capture.lines()[5].find("[INFO application_association_registration_internal:"),
            std::string::npos);
  EXPECT_TRUE(capture.Has("] Unsupported Win10 version=10.0.17134.318\n"));

  // A kind-0 candidate is enough by itself; the later ones are not tried.
  shell.created.clear();
  shell.answering["{1C5C9D10-1225-4C97-8C51-98E1B6F0D4E0}"] = kNoInterface;
  EXPECT_TRUE(IsInternalInterfaceAvailable(shell, "10.0.17134.318"));
  EXPECT_EQ(shell.created.size(), 4u);
  EXPECT_TRUE(
      capture.Has("IApplicationAssociationRegistrationInternal creation is succeeded by "
                  "{1C5C9D10-1225-4C97-8C51-98E1B6F0D4E0}"));
  EXPECT_TRUE(shell.journal.empty());
}

TEST(InterfaceProbeTest, KindOneNeedsTheSetterAndTheCheckOnlyRegistration) {
  DiagnosticCapture capture;
  FakeShell shell;
  // The second kind-1 candidate answers; a later kind-0 one is never asked.
  shell.answering["{FC0BE3A5-6BE4-423C-B287-248934E379C7}"] = kOk;
  shell.answering["{14EBCC88-2831-4FC8-A5DF-9F36A81DB12C}"] = kOk;
  for (const char16_t* name : {u"http", u"https", u".htm", u".html"})
    shell.handlers[name] = {kReadable};
  EXPECT_TRUE(IsInternalInterfaceAvailable(shell, "10.0.16299.0"));
  EXPECT_EQ(shell.created.size(), 2u);
  // Nothing is made default in check-only mode; the toasts are cleared.
  for (const std::string& entry : shell.journal)
    EXPECT_EQ(entry.find("MakeDefaultPriv"), std::string::npos) << entry;
  EXPECT_EQ(shell.toasts, (std::vector<base::String16>{u"MSEdgeHTM_http", u"MSEdgeHTM_https",
                                                       u"MSEdgeHTM_.htm", u"MSEdgeHTM_.html"}));

  // Without the setter interface nothing is enumerated.
  shell.answering["{FC0BE3A5-6BE4-423C-B287-248934E379C7}"] = kNoInterface;
  shell.journal.clear();
  EXPECT_FALSE(IsInternalInterfaceAvailable(shell, "10.0.16299.0"));
  EXPECT_TRUE(capture.Has("[ERROR application_association_registration_internal:"));
  EXPECT_TRUE(capture.Has("QueryInterface(ISetAppAsDefaultBrowserInternal) error, hr=0x80004002"));
  EXPECT_TRUE(shell.journal.empty());

  // A protocol that cannot be enumerated fails the probe before the
  // extensions are tried.
  shell.answering["{FC0BE3A5-6BE4-423C-B287-248934E379C7}"] = kOk;
  shell.handlers.erase(u"https");
  shell.journal.clear();
  EXPECT_FALSE(IsInternalInterfaceAvailable(shell, "10.0.16299.0"));
  EXPECT_TRUE(
      capture.Has("SHAssocEnumHandlersForProtocolByApplication error, hr=0x80004005 "
                  "protocol=https"));
  for (const std::string& entry : shell.journal)
    EXPECT_EQ(entry.find("extension"), std::string::npos) << entry;
}

TEST(InterfaceProbeTest, FirstReadableHandlerDecidesInCheckOnlyMode) {
  DiagnosticCapture capture;
  FakeShell shell;
  shell.answering["{2A848E25-D688-4AA3-8E55-0C16CB3A2DFB}"] = kOk;
  // For "http": an unreadable handler is skipped; the first readable one
  // offers no make-default side, and a later one that does is not looked at.
  shell.handlers[u"http"] = {
      {kFail, u"", true, kOk}, {kOk, u"No Default", false, kOk}, {kOk, u"Would Do", true, kOk}};
  for (const char16_t* name : {u"https", u".htm", u".html"})
    shell.handlers[name] = {kReadable};
  EXPECT_FALSE(IsInternalInterfaceAvailable(shell, "10.0.17134.1"));
  EXPECT_TRUE(capture.Has("IAssocHandler::GetUIName error, hr=0x80004005, failed to find \n"));
  EXPECT_TRUE(capture.Has("QueryInterface(IAssocHandlerMakeDefault) error, hr=0x80004002"));
  EXPECT_EQ(std::count(shell.journal.begin(), shell.journal.end(), "QueryMakeDefault Would Do"), 0);
  // "https" still went through; the extensions wait for both protocols.
  EXPECT_EQ(shell.toasts, std::vector<base::String16>{u"MSEdgeHTM_https"});
}

TEST(FileAssociationTest, MakeHandlerDefaultFindsTheNamedHandlerAndConsumesTheEnumeration) {
  DiagnosticCapture capture;
  Journal journal;
  auto handlers = [&journal](std::vector<FakeHandlerAnswers> answers, HResult end_hr = kFalse) {
    return std::make_unique<FakeEnum>(std::move(answers), &journal, end_hr);
  };

  // Not in check-only mode: names must match exactly, and the handler taken
  // is made default with flags 0, after the enumeration is released.
  EXPECT_TRUE(MakeHandlerDefault(handlers({{kOk, u"Velnor", true}, {kOk, u"Velnor Browser", true}}),
                                 u"Velnor Browser", false));
  EXPECT_EQ(journal, (Journal{"Next", "Next", "enum released", "QueryMakeDefault Velnor Browser",
                              "MakeDefaultPriv 0"}));

  // The end of the list, or a failed step, is a failure naming the
  // application; the enumeration is released either way.
  journal.clear();
  EXPECT_FALSE(MakeHandlerDefault(handlers({{kOk, u"Other", true}}), u"Velnor Browser", false));
  EXPECT_TRUE(
      capture.Has("IEnumAssocHandlers::Next error, hr=0x00000001, failed to find "
                  "Velnor Browser\n"));
  EXPECT_EQ(journal.back(), "enum released");
  EXPECT_FALSE(MakeHandlerDefault(handlers({}, kFail), u"", true));
  EXPECT_TRUE(capture.Has("IEnumAssocHandlers::Next error, hr=0x80004005, failed to find \n"));

  // An empty application name matches an empty display name.
  EXPECT_TRUE(MakeHandlerDefault(handlers({{kOk, u"x", true}, {kOk, u"", true}}), u"", false));

  // A failed make-default call fails.
  EXPECT_FALSE(MakeHandlerDefault(handlers({{kOk, u"Velnor", true, kFail}}), u"Velnor", false));
  EXPECT_TRUE(capture.Has("IAssocHandlerMakeDefault::MakeDefaultPriv error, hr=0x80004005"));
}

TEST(FileAssociationTest, ExtensionsListAndToastFailures) {
  DiagnosticCapture capture;
  FakeShell shell;
  for (const char16_t* name : {u".htm", u".html", u".xhtml", u".svg"})
    shell.handlers[name] = {kReadable};
  EXPECT_TRUE(RegisterExtensions(shell, {u".xhtml", u".html", u".svg"}, u"", true));
  EXPECT_EQ(shell.journal.front(), "extension .htm");
  std::vector<std::string> enumerated;
  for (const std::string& entry : shell.journal) {
    if (entry.rfind("extension ", 0) == 0)
      enumerated.push_back(entry);
  }
  EXPECT_EQ(enumerated, (std::vector<std::string>{"extension .htm", "extension .html",
                                                  "extension .xhtml", "extension .svg"}));

  // An extension without handlers fails the list; the others are still
  // handled. A toast that cannot be written is only logged.
  shell.handlers.erase(u".html");
  shell.registry_writable = false;
  EXPECT_FALSE(RegisterExtensions(shell, {}, u"", true));
  EXPECT_TRUE(capture.Has("SHAssocEnumHandlers error, hr=0x80004005 extension=.html"));
  EXPECT_TRUE(capture.Has("[VERBOSE1 windows10_file_association_utils:"));
  EXPECT_TRUE(
      capture.Has("Failed to set .htm of "
                  "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\ApplicationAssociationToasts\n"));
}

TEST(DiagnosticLogTest, SeverityAndVerboseFilters) {
  std::vector<std::string> lines;
  logging::SetDiagnosticOutputForTesting(
      [&lines](std::string_view line) { lines.emplace_back(line); });
  DIAG_VLOG(1, "unit_a") << "off by default";
  logging::SetDiagnosticVerboseLevel("unit_a", 1);
  DIAG_VLOG(1, "unit_a") << "on";
  DIAG_VLOG(2, "unit_a") << "above the level";
  DIAG_VLOG(1, "unit_b") << "another unit";
  logging::SetMinDiagnosticSeverity(logging::DIAG_ERROR);
  DIAG_LOG(INFO, "unit_a") << "below the minimum";
  DIAG_LOG(ERROR, "unit_a") << "error " << 7;
  logging::SetMinDiagnosticSeverity(logging::DIAG_INFO);
  logging::SetDiagnosticVerboseLevel("unit_a", 0);
  DIAG_VLOG(1, "unit_a") << "off again";
  logging::SetDiagnosticOutputForTesting(nullptr);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("] on\n"), std::string::npos);
  EXPECT_NE(lines[1].find("[ERROR unit_a:"), std::string::npos);
  EXPECT_NE(lines[1].find("] error 7\n"), std::string::npos);
}

TEST(DiagnosticLogTest, NeverReachesTheInstallersLog) {
  test::LogCapture log;
  logging::SetDiagnosticOutputForTesting([](std::string_view) {});
  DIAG_LOG(ERROR, "unit") << "diagnostic only";
  logging::SetDiagnosticOutputForTesting(nullptr);
  EXPECT_TRUE(log.Lines().empty());
}

// A child process the test scripts: what it answers, or that it hangs.
class FakeProbeProcess : public ProbeProcess {
 public:
  base::String16 program = u"C:\\Temp\\lite_installer.exe";
  bool start_ok = true;
  Exit exit = {Exit::kExited, 701};
  std::vector<base::String16> started;
  std::vector<uint32_t> waits;
  std::optional<uint32_t> terminated;

  base::String16 ProgramPath() override { return program; }
  bool Start(const base::String16& command_line) override {
    started.push_back(command_line);
    return start_ok;
  }
  Exit WaitForExit(uint32_t timeout_ms) override {
    waits.push_back(timeout_ms);
    return exit;
  }
  void Terminate(uint32_t exit_code) override { terminated = exit_code; }
};

constexpr char kPrefix[] = "ERROR: Failed to check Win10 internal interface availability";

TEST(InterfaceSafeCheckTest, ExitCodesDecideAndAreLogged) {
  struct Case {
    int32_t code;
    bool result;
    std::string line;  // the start of the one line logged
  };
  const Case cases[] = {
      {700, true,
       "INFO: Successfuly checked Win10 internal interface availability: availability: 1"},
      {701, false,
       "INFO: Successfuly checked Win10 internal interface availability: availability: 0"},
      {-1073741819, false, std::string(kPrefix) + ", ret code: -1073741819, installer crashed - "},
      {5, false, std::string(kPrefix) + ", unknown ret code: 5 - "},
      {0, false, std::string(kPrefix) + ", unknown ret code: 0 - "},
      {22, false, std::string(kPrefix) + ", unknown ret code: 22 - "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    test::LogCapture log;
    FakeProbeProcess process;
    process.exit = {ProbeProcess::Exit::kExited, c.code};
    EXPECT_EQ(RunInterfaceSafeCheck(process, 17134, 318), c.result);
    EXPECT_EQ(process.started, std::vector<base::String16>{
                                   u"\"C:\\Temp\\lite_installer.exe\" --check-the-interface"});
    EXPECT_EQ(process.waits, std::vector<uint32_t>{3000});
    EXPECT_FALSE(process.terminated);
    const std::vector<std::string> lines = log.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(0, c.line.size()), c.line);
    EXPECT_EQ(log.records()[0].function,
              "installer::win10_default_browser::(anonymous namespace)::"
              "IsInternalInterfaceAvailableSafeCheck");
  }
}

TEST(InterfaceSafeCheckTest, HangsMissingProgramsAndNewBuilds) {
  {
    test::LogCapture log;
    FakeProbeProcess process;
    process.exit = {ProbeProcess::Exit::kTimedOut, 0};
    EXPECT_FALSE(RunInterfaceSafeCheck(process, 17134, 318));
    EXPECT_EQ(process.terminated, 22u);
    ASSERT_EQ(log.Lines().size(), 1u);
    EXPECT_EQ(log.Lines()[0].rfind(
                  std::string(kPrefix) + ",  installer was terminated by timeout. - ", 0),
              0u);
  }
  {
    test::LogCapture log;
    FakeProbeProcess process;
    process.exit = {ProbeProcess::Exit::kFailed, 0};
    EXPECT_FALSE(RunInterfaceSafeCheck(process, 10240, 0));
    EXPECT_EQ(process.terminated, 22u);
  }
  {
    test::LogCapture log;
    FakeProbeProcess process;
    process.program.clear();
    EXPECT_FALSE(RunInterfaceSafeCheck(process, 17134, 318));
    EXPECT_TRUE(process.started.empty());
    EXPECT_EQ(log.Lines()[0].rfind(std::string(kPrefix) + ": can't get installer exe path. - ", 0),
              0u);
  }
  {
    test::LogCapture log;
    FakeProbeProcess process;
    process.start_ok = false;
    process.program = u"C:\\Program Files\\x.exe";
    EXPECT_FALSE(RunInterfaceSafeCheck(process, 17134, 318));
    EXPECT_TRUE(process.waits.empty());
    EXPECT_EQ(log.Lines()[0].rfind(std::string(kPrefix) +
                                       ": can't run installer: \"C:\\Program Files\\x.exe\" "
                                       "--check-the-interface - ",
                                   0),
              0u);
  }
  // The builds with the new interface need no child.
  for (const auto& [build, revision] : {std::pair{17134u, 319u}, std::pair{17704u, 0u}}) {
    test::LogCapture log;
    FakeProbeProcess process;
    EXPECT_TRUE(RunInterfaceSafeCheck(process, build, revision));
    EXPECT_TRUE(process.started.empty());
    EXPECT_TRUE(log.Lines().empty());
  }
}

}  // namespace
}  // namespace installer::win10_default_browser
