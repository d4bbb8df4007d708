#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "installer/stats/install_events.h"
#include "installer/stats/install_stat_reporter.h"
#include "installer/stats/install_stat_sender.h"
#include "installer/stats/stat_escape.h"
#include "tests/support/log_capture.h"

namespace installer {
namespace {

class FakeStatPlatform : public StatSenderPlatform {
 public:
  base::String16 ReadBrowserValue(const std::string& name) override { return values[name]; }
  void StoreBrowserValue(const std::string& name, const base::String16& text) override {
    values[name] = text;
  }
  void RemoveBrowserValue(const std::string& name) override { values.erase(name); }
  bool EventExists(const base::String16& name) override {
    probed.push_back(name);
    return name == existing_event;
  }
  std::string UserId() override { return "{A1B2}"; }
  std::string OwnFileVersion() override { return "24.10.4.931"; }
  bool EscapeSegment(const base::String16& text, base::String16* escaped) override {
    *escaped = EscapeUrlSegment(text);
    return true;
  }
  std::string StatsOrigin() override { return "https://stat.test"; }

  std::map<std::string, base::String16> values;
  std::vector<base::String16> probed;
  base::String16 existing_event;
};

class RecordingSender : public StatRequestSender {
 public:
  explicit RecordingSender(std::vector<std::string>* urls) : urls_(urls) {}
  void Send(const base::String16& url) override { urls_->push_back(base::UTF16ToUTF8(url)); }

 private:
  std::vector<std::string>* const urls_;
};

// The "vars" segment of a statistics URL.
std::string Vars(const std::string& url) {
  const size_t start = url.find("/vars=");
  if (start == std::string::npos)
    return {};
  return url.substr(start + 6, url.rfind("/*") - start - 6);
}

TEST(StatEscapeTest, EscapeSetAndDoubleEscape) {
  EXPECT_EQ(EscapeForStat("aZ09!'()._~\x7f"), "aZ09!'()._~\x7f");
  EXPECT_EQ(EscapeForStat(" \"#$%&*+,-/:;<=>?@[\\]^`{|}"),
            "%20%22%23%24%25%26%2A%2B%2C%2D%2F%3A%3B%3C%3D%3E%3F%40%5B%5C%5D%5E%60%7B%7C%7D");
  EXPECT_EQ(EscapeForStat("\x01\n\xd0\xaf"), "%01%0A%D0%AF");
  EXPECT_EQ(DoubleEscapeForStat("http://h/a b?x=1"),
            "http%253A%252F%252Fh%252Fa%2520b%253Fx%253D1");
}

TEST(StatEscapeTest, SegmentEscapeKeepsLettersBeyondLatin1) {
  EXPECT_EQ(base::UTF16ToUTF8(EscapeUrlSegment(u"a b/c?d#e&f%g")), "a%20b%2Fc%3Fd%23e%26f%g");
  EXPECT_EQ(EscapeUrlSegment(u"\u00e9\u042f"), u"%E9\u042f");
}

TEST(InstallStatParamsTest, SerialisedRoundTripAndSeedRules) {
  const StatParams params = {{"brand_id", u"X"}, {"partner_id", u"Y"}, {"ui", u""}};
  const base::String16 text = SerializeStatParams(params);
  EXPECT_EQ(text, u"brand_id\nX\npartner_id\nY\nui\n\n");
  StatParams back;
  ParseStatParams(text, &back);
  EXPECT_EQ(back, params);
  StatParams skipped;
  ParseStatParams(u"\n\nk\nv\n", &skipped);  // empty pieces where a key is expected
  EXPECT_EQ(skipped, (StatParams{{"k", u"v"}}));
}

TEST(InstallStatSenderTest, SeedAndRegistryDefaults) {
  FakeStatPlatform platform;
  platform.values["vpv"] = u"23.1.0.0";
  platform.values["InstallerSuccessLaunchCmdLine"] = u"\"C:\\Apps\\Browser.exe\"";
  platform.existing_event = u"Global\\c:!apps!browser.exe";
  InstallStatSender sender(&platform, u"brand_id\nX\npartner_id\nY\nold_ver\n1.2.3.4\n");
  EXPECT_EQ(sender.GetParam(InstallStatSender::kBrandId), u"X");
  EXPECT_EQ(sender.GetParam(InstallStatSender::kPartnerId), u"Y");
  // A seeded old version stays although the registry holds another one.
  EXPECT_EQ(sender.GetParam(InstallStatSender::kOldVersion), u"1.2.3.4");
  EXPECT_EQ(sender.params().at("launched"), u"true");
  EXPECT_EQ(sender.params().at("ui"), u"A1B2");
  EXPECT_EQ(sender.params().at("lite_ver"), u"24.10.4.931");
  EXPECT_EQ(sender.params().at("installer_type"), u"lite");

  FakeStatPlatform fresh;
  fresh.values["pv"] = u"22.0.0.1";
  fresh.values["InstallerSuccessLaunchCmdLine"] = u"ab";
  InstallStatSender unseeded(&fresh, u"");
  EXPECT_EQ(unseeded.GetParam(InstallStatSender::kOldVersion), u"22.0.0.1");
  EXPECT_EQ(unseeded.params().at("launched"), u"false");
  EXPECT_TRUE(fresh.probed.empty());  // fewer than three characters: no probe
}

TEST(InstallStatSenderTest, QueryUrlPackingAndPrecedence) {
  FakeStatPlatform platform;
  test::LogCapture log;
  {
    InstallStatSender sender(&platform, u"");
    sender.SetParam(InstallStatSender::kBrandId, "a,b-c=d");
    sender.SetParam(InstallStatSender::kTestIds, "1/2%3B3");
    const std::string url = sender.GetQueryUrl(
        {{"action", u"download"}, {"brand_id", u"ignored"}, {"x-y", u"\u00e9 \u042f"}});
    EXPECT_EQ(url.rfind("https://stat.test/installstats/send/dtype=stred/pid=457/cid=72992/"
                        "path=extended_stat/vars=",
                        0),
              0u)
        << url;
    EXPECT_EQ(Vars(url),
              "-action=download,-brand_id=a_b_c_d,-installer_type=lite,-launched=false,"
              "-lite_ver=24.10.4.931,-old_style=0,-old_ver=,-testids=1%2F2%3B3,-ui=A1B2,"
              "-x_y=%E9%20\xd0\xaf");
    EXPECT_EQ(url.substr(url.size() - 2), "/*");
    EXPECT_TRUE(log.Has("INFO: InstallStatSender::Send:"));
    EXPECT_TRUE(log.Has("INFO: brand_id=a,b-c=d"));
    sender.StoreParams();
    EXPECT_FALSE(platform.values["install_stat"].empty());
  }
  // The parameters were meant for one run only.
  EXPECT_EQ(platform.values.count("install_stat"), 0u);
}

TEST(InstallStatReporterTest, DialogEventsGoToTheirOwnDestination) {
  FakeStatPlatform platform;
  std::vector<std::string> urls;
  InstallStatReporter reporter(&platform, u"", std::make_unique<RecordingSender>(&urls));
  reporter.SendDialogEvent(ClickedButtonEvent("install"));
  reporter.SendEvent(DownloadStartedEvent());
  ASSERT_EQ(urls.size(), 2u);
  EXPECT_NE(urls[0].find("/cid=72696/path=vnbrowser_reinstall_dialog/"), std::string::npos);
  EXPECT_NE(Vars(urls[0]).find("-brand_id=unknown,-clicked_button=install,"), std::string::npos);
  EXPECT_NE(urls[1].find("/cid=72992/path=extended_stat/"), std::string::npos);
}

TEST(InstallEventsTest, DownloadAttemptAndErrorEvents) {
  DownloadAttempt attempt;
  attempt.error = "internet_read-12031";
  attempt.attempt_number = 2;
  attempt.downloaded_size = 500;
  attempt.total_size = 1000;
  attempt.url = "http://h/a.arc?from_installer=true";
  attempt.redirect_host = "mirror";
  attempt.x64 = true;
  const StatEvent failed = DownloadAttemptEvent(attempt);
  EXPECT_EQ(failed.at("status"), u"failed");
  EXPECT_EQ(failed.at("error"), u"internet_read-12031");
  EXPECT_EQ(failed.at("url"), u"http%253A%252F%252Fh%252Fa.arc%253Ffrom_installer%253Dtrue");
  EXPECT_EQ(failed.at("redirect"), u"mirror");
  EXPECT_EQ(failed.at("x64"), u"1");
  EXPECT_EQ(DownloadErrorEvent(attempt).at("error"), u"attempt-2-internet_read-12031");
  attempt.success = true;
  attempt.x64 = false;
  attempt.redirect_host.clear();
  const StatEvent ok = DownloadAttemptEvent(attempt);
  EXPECT_EQ(ok.count("error") + ok.count("x64") + ok.count("redirect"), 0u);
  EXPECT_EQ(DownloadFinishedEvent(2999999).at("download_time"), u"2");
}

TEST(InstallEventsTest, SetupExitErrorRule) {
  struct Case {
    bool run_ok;
    uint32_t code;
    bool elevated;
    const char* error;
  } cases[] = {
      {false, 0, false, "FailedToStart"},
      {false, 400, true, "FailedToStart"},
      {true, 1, false, ""},
      {true, 3, false, ""},
      {true, 5, false, ""},
      {true, 0, false, "0"},
      {true, 2, false, "2"},
      {true, 400, true, ""},
      {true, 400, false, "400"},
      {true, 1, true, "1"},
      {true, 0x81000002, false, "2164260866"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SetupExitError(c.run_ok, c.code, c.elevated), c.error)
        << c.run_ok << " " << c.code << " " << c.elevated;
  }
  EXPECT_EQ(SetupExitedEvent(false, true, 1, false, 4000000).count("error"), 0u);
  EXPECT_EQ(SetupExitedEvent(true, true, 2, false, 4000000).at("action"), u"update");
  EXPECT_EQ(SetupLaunchedEvent(false, UacKind::kNoPrompts).at("uac"), u"100");
  EXPECT_EQ(SetupLaunchedEvent(false, UacKind::kElevatedCopy).at("uac"), u"1");
}

TEST(InstallEventsTest, InstallationFinishedUrl) {
  EXPECT_EQ(InstallationFinishedUrl("https://s", "AB-CD", RunOutcome::kSuccess, 61000000, 0, 0),
            "https://s/get/browser/install?ui=AB-CD&result=success&time=61");
  EXPECT_EQ(
      InstallationFinishedUrl("https://s", "X", RunOutcome::kCancelled, 5000000, 2000000, 1500000),
      "https://s/get/browser/install?ui=X&result=cancelled&time=5&download_time=2"
      "&install_time=1");
  EXPECT_NE(InstallationFinishedUrl("", "X", RunOutcome::kFailed, 0, 0, 0).find("result=failed"),
            std::string::npos);
}

}  // namespace
}  // namespace installer
