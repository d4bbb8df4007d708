// An installation on its own thread, stopped by the user while it waits to
// retry a failed download: it ends at once, shows no error, and its
// installation-finished report still reaches the service as "cancelled" (the
// request goes out when the URL opens, before the stop is seen).
#include "installer/lite_installer/engine/installer_win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>

#include "base/win/wide.h"
#include "installer/lite_installer/config/brand_package_info.h"
#include "installer/lite_installer/config/brand_platform_win.h"
#include "installer/lite_installer/engine/installer_observer.h"
#include "tests/support/files_win.h"
#include "tests/support/log_capture.h"
#include "tests/support/vendor_services_win.h"

namespace {

std::string BaseUrl() {
  const char* url = std::getenv("LITE_VENDOR_URL");
  return url ? url : "";
}

class RecordingObserver : public lite_installer::InstallerObserver {
 public:
  void OnDownloadProgress(float) override {}
  int OnSlowDownload() override { return 0; }
  void OnTimeLeft(int, int) override {}
  void OnInstallFinished(int) override { ++finished; }
  void OnInstallError(int) override { ++errors; }
  uintptr_t GetWindowHandle() override { return 0; }
  void SetProgress(int) override {}
  void OnSetupStarted() override {}

  std::atomic<int> finished{0};
  std::atomic<int> errors{0};
};

// The Installer as shipped, telling when it begins its wait before a retry.
class RetryWaitSignallingInstaller : public Installer {
 public:
  RetryWaitSignallingInstaller(lite_installer::InstallerObserver* observer, BrandPackageInfo* brand)
      : Installer(observer, brand, nullptr, false),
        retry_wait_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  HANDLE retry_wait() const { return retry_wait_.Get(); }

 protected:
  uint32_t GetRetryDelay() override {
    ::SetEvent(retry_wait_.Get());
    return Installer::GetRetryDelay();
  }

 private:
  base::win::ScopedHandle retry_wait_;
};

TEST(InstallerStopTest, StopDuringTheRetryWaitEndsQuietlyAndReportsCancelled) {
  const std::wstring temp = test::MakeUniqueTempDir();
  BrandPlatformWin platform;
  BrandPackageInfo brand(base::win::FromWide(temp.c_str(), temp.size()), &platform);
  brand.info().brand_id = "velnor";
  brand.info().setup_url = BaseUrl() + "/missing/browser-setup.arc";
  RecordingObserver observer;
  test::VendorServices vendor;
  test::LogCapture log;
  {
    RetryWaitSignallingInstaller installer(&observer, &brand);
    ASSERT_TRUE(installer.InstallAsync());
    // The first attempt fails at once; the installer then waits 15 s.
    ASSERT_EQ(::WaitForSingleObject(installer.retry_wait(), 30000), WAIT_OBJECT_0);
    const DWORD start = ::GetTickCount();
    installer.IncrementStopRequests();
    EXPECT_TRUE(installer.WaitForInstallAsync());
    EXPECT_LT(::GetTickCount() - start, 10000u);
    EXPECT_EQ(installer.GetExitCode(), lite_installer::kExitModuleNotObtained);
  }
  EXPECT_TRUE(log.Has("INFO: Installation stopped")) << log.Lines().size();
  // A stop by the user is no error to show, and no setup ran to finish.
  EXPECT_EQ(observer.errors.load(), 0);
  EXPECT_EQ(observer.finished.load(), 0);
  EXPECT_EQ(test::FinishedResult(vendor), "cancelled");
}

}  // namespace
