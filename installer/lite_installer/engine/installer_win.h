// The installation engine: obtains the setup archive, waits for the user's
// go-ahead, locks and verifies the archive, runs the setup program with the
// setup command line, reports every stage and keeps the exit code the
// process ends with.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_WIN_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_WIN_H_

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/command_line.h"
#include "base/strings.h"
#include "base/win/scoped_handle_win.h"
#include "installer/lite_installer/config/brand_info.h"
#include "installer/lite_installer/engine/async_install_tasks_win.h"
#include "installer/lite_installer/engine/delayed_params.h"
#include "installer/lite_installer/engine/download_urls.h"
#include "installer/lite_installer/engine/install_result.h"
#include "installer/lite_installer/exit_codes.h"
#include "installer/stats/install_stat_reporter.h"
#include "installer/util/download_error_info.h"

class BrandPackageInfo;
class DistribInfoParams;

namespace installer {
class DownloadProgressDelegate;
class DownloadWriter;
}  // namespace installer

namespace lite_installer {
class ArchiveLock;
class InstallerObserver;
}  // namespace lite_installer

class Installer {
 public:
  // Watches the elevated copy of this program that runs the setup on this
  // process's behalf: it is started early and waits on the go and cancel
  // events until the archive is ready.
  class ElevatedProcessHolder {
   public:
    // Creates the go and cancel events.
    ElevatedProcessHolder();
    ElevatedProcessHolder(const ElevatedProcessHolder&) = delete;
    ElevatedProcessHolder& operator=(const ElevatedProcessHolder&) = delete;

    // Takes ownership of the copy's process and of the window that owned
    // its elevation prompt.
    virtual void SetProcess(HANDLE process, HWND owner_window);
    // Cancels a copy that was never let go, then makes sure it has ended.
    virtual ~ElevatedProcessHolder();
    // Lets the copy run the setup and waits for it; after |stop_event| the
    // copy still has a few seconds to end. True when the copy ended with 0.
    virtual bool RunModule(HANDLE stop_event);
    // Gives the copy 30 s, terminates it after that, releases everything.
    virtual void EnsureProcessFinished();

    // Fills the shared block; false when a value does not fit.
    static bool WriteDelayedParams(const lite_installer::DelayedParamsValues& values);

    bool terminated() const { return terminated_; }
    uint32_t exit_code() const { return exit_code_; }

   private:
    bool ReadExitCode();

    base::win::ScopedHandle process_;
    base::win::ScopedWindow owner_window_;
    base::win::ScopedHandle go_event_;
    base::win::ScopedHandle cancel_event_;
    bool run_called_ = false;
    bool terminated_ = false;
    uint32_t exit_code_ = 0xFFFFFFFF;
  };

  // None of the pointers is owned; each may be null.
  Installer(lite_installer::InstallerObserver* observer,
            BrandPackageInfo* brand_info,
            DistribInfoParams* distribution_params,
            bool run_background_tasks);
  Installer(const Installer&) = delete;
  Installer& operator=(const Installer&) = delete;
  virtual ~Installer();

  // Installation on a thread of its own; the setup runs once the
  // installation gate opens (StartInstallation).
  bool InstallAsync();
  // The whole installation on the calling thread, gate open from the start.
  void InstallNow();
  void SetOkButtonPressedTime();
  void StartInstallation();
  void SetMakeDefault(bool make_default);
  void SetSendStatistics(bool send_statistics) { send_statistics_ = send_statistics; }
  void SetInstallPin(bool install_pin) { install_pin_ = install_pin; }
  void SetInstallationType(const std::string& type);
  // Stops the installation thread; false when it did not end within 60 s.
  bool WaitForInstallAsync();
  int GetExitCode() const { return exit_code_; }
  // The run's statistics: the window reports its own events through it.
  installer::InstallStatReporter* stat_reporter() { return stat_reporter_.get(); }
  void IncrementStopRequests() { stop_requests_.fetch_add(1); }

  // Whether the installation should run in an elevated copy of this
  // program: not for a user outside the administrators group, not for a run
  // that is no installation.
  static bool NeedStartThisProcessAsAdmin(const base::CommandLine& command_line);
  // Starts the elevated copy that installs on this process's behalf through
  // the elevation prompt; false when no copy was started.
  virtual bool StartElevatedCopy();
  // Locks the archive at |path| against change for as long as |lock| lives
  // and verifies it as a downloaded archive is verified; the elevated copy
  // does this before it runs what its parent named.
  bool LockAndVerifyModule(const base::String16& path, base::win::ScopedHandle* lock);

  virtual bool RunModuleInElevatedProcess();
  // Starts the setup archive at |module_path| with |command_line| plus
  // "source" and waits for it; the setup's exit code becomes the exit code.
  virtual bool RunModule(const base::String16& module_path, const base::CommandLine& command_line);

 protected:
  virtual void Init(BrandPackageInfo* brand_info, DistribInfoParams* distribution_params);
  virtual bool Download(const std::string& url,
                        installer::DownloadWriter* writer,
                        std::string* error_text,
                        std::string* redirect_url);
  virtual bool WriteResourceToFile(uint16_t resource_id, const base::String16& path);
  virtual bool WriteResourceToFile(const wchar_t* resource_name, const base::String16& path);
  virtual bool GetModuleCreationTime(const base::String16& path, int64_t* time_us);
  virtual int DownloadModule(HANDLE file, const base::CommandLine& command_line);
  virtual bool DownloadWithProgress(const std::string& url,
                                    installer::DownloadWriter* writer,
                                    std::string* error_text,
                                    std::string* redirect_url,
                                    uint32_t* total_size,
                                    installer::DownloadProgressDelegate* delegate,
                                    installer::DownloadErrorInfo* error_info);
  virtual uint32_t GetRetryDelay() { return 15000; }
  virtual bool ExtractBrowserSetupResource(HANDLE file);
  virtual base::String16 GetModulePath();
  virtual int GetModule(const base::String16& path, lite_installer::ArchiveLock* lock);
  virtual bool VerifyDownloadedModule(const base::String16& path);
  virtual std::string ReadTrustedList(const base::String16& path);
  virtual bool VerifyModuleWithList(const base::String16& path, const std::string& trusted_list);
  virtual bool IsNativeX64();

  // The body of a run: install, clean up after success, final wait, report.
  void Install();
  int InstallBrowser();
  int DownloadOrExtractModule(const base::String16& path,
                              bool* downloaded,
                              lite_installer::ArchiveLock* lock);
  std::vector<lite_installer::DownloadUrl> GetDownloadUrls(bool x64);
  std::vector<lite_installer::DownloadUrl> GetDownloadUrlsFromBrandConfig(
      int kind,
      lite_installer::WindowsVersionClass windows);
  bool IsVersionedSetupUrlAllowed(const std::string& url);
  base::CommandLine BuildSetupCommandLine(const base::String16& program, bool with_file_switches);
  bool RunModuleAndWait(const wchar_t* application_name,
                        const base::String16& command_line,
                        int* exit_code);
  void ExtractInstallerDataIfAbsent(const base::String16& directory);
  // What the elevated copy receives once |module_path| is verified.
  lite_installer::DelayedParamsValues DelayedParamsFor(const base::String16& module_path);
  void ReportInstallationFinished(bool success);
  static DWORD WINAPI InstallThreadMain(void* self);

 private:
  // The running Windows release as the URL list and make-default see it.
  static lite_installer::WindowsVersionClass WindowsClass();
  void SendEvent(const installer::StatEvent& event);
  bool StopRequested() const;

  std::optional<lite_installer::AsyncInstallTasks> background_tasks_;
  std::unique_ptr<installer::InstallStatReporter> stat_reporter_;
  lite_installer::InstallerObserver* observer_;
  BrandPackageInfo* const brand_info_;
  DistribInfoParams* const distribution_params_;
  bool make_default_ = false;
  bool send_statistics_ = false;
  bool install_pin_ = true;
  base::String16 temp_dir_;
  base::String16 installer_data_path_;
  base::String16 clids_file_path_;
  base::String16 website_icon_path_;
  base::String16 abt_config_path_;
  base::String16 variations_path_;
  base::String16 installation_id_;
  int exit_code_ = lite_installer::kExitNoSetupResult;
  base::win::ScopedHandle install_thread_;
  base::win::ScopedHandle stop_event_;
  base::win::ScopedHandle install_gate_event_;
  std::atomic<int32_t> stop_requests_{0};
  int64_t full_time_ = 0;
  int64_t download_time_ = 0;
  int64_t setup_time_ = 0;
  uint64_t ok_button_pressed_time_ = 0;
  uint64_t install_start_time_ = 0;
  bool run_result_ = true;
  std::unique_ptr<ElevatedProcessHolder> elevated_holder_;
  bool uac_declined_ = false;
  base::String16 module_path_;
  base::String16 partner_override_path_;
  TestIdList test_ids_;
  std::string installation_type_;
};

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_INSTALLER_WIN_H_
