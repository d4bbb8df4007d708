// The values an elevated copy of the installer receives only when the
// archive is ready: a fixed block that both processes see in a data section
// shared by every process of the executable, and the rules that fill it and
// turn it back into switches of the setup command line.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_DELAYED_PARAMS_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_DELAYED_PARAMS_H_

#include <cstddef>
#include <cstdint>
#include <functional>

#include "base/command_line.h"
#include "base/strings.h"

namespace lite_installer {

inline constexpr size_t kDelayedPathMaxLength = 260;
inline constexpr size_t kDelayedTimeMaxLength = 32;

// Zero-terminated UTF-16 strings in fixed slots; the layout is shared by the
// 32-bit and the 64-bit program alike, so every field has a fixed offset.
struct DelayedParams {
  char16_t browser_arc_path[kDelayedPathMaxLength + 1];
  char16_t clids_file_path[kDelayedPathMaxLength + 1];
  char16_t website_icon_file_path[kDelayedPathMaxLength + 1];
  char16_t installer_data_path[kDelayedPathMaxLength + 1];
  char16_t brand_package_path[kDelayedPathMaxLength + 1];
  char16_t partner_package_path[kDelayedPathMaxLength + 1];
  char16_t partner_package_override_path[kDelayedPathMaxLength + 1];
  char16_t histogram_download_time[kDelayedTimeMaxLength + 1];
  char16_t histogram_full_time[kDelayedTimeMaxLength + 1];
  uint8_t send_statistics;
  uint8_t make_default;
  uint8_t install_vnpin;
  uint8_t padding[3];
  // Written by whichever process sees a setup start failure or a special
  // setup exit code; read by the parent after the child has ended.
  int32_t shared_error_code;
};

static_assert(sizeof(DelayedParams) == 3796);
static_assert(offsetof(DelayedParams, browser_arc_path) == 0);
static_assert(offsetof(DelayedParams, clids_file_path) == 522);
static_assert(offsetof(DelayedParams, website_icon_file_path) == 1044);
static_assert(offsetof(DelayedParams, installer_data_path) == 1566);
static_assert(offsetof(DelayedParams, brand_package_path) == 2088);
static_assert(offsetof(DelayedParams, partner_package_path) == 2610);
static_assert(offsetof(DelayedParams, partner_package_override_path) == 3132);
static_assert(offsetof(DelayedParams, histogram_download_time) == 3654);
static_assert(offsetof(DelayedParams, histogram_full_time) == 3720);
static_assert(offsetof(DelayedParams, send_statistics) == 3786);
static_assert(offsetof(DelayedParams, make_default) == 3787);
static_assert(offsetof(DelayedParams, install_vnpin) == 3788);
static_assert(offsetof(DelayedParams, shared_error_code) == 3792);

// What the parent hands over once the archive is verified.
struct DelayedParamsValues {
  base::String16 browser_arc_path;
  base::String16 clids_file_path;
  base::String16 website_icon_file_path;
  base::String16 installer_data_path;
  base::String16 brand_package_path;
  base::String16 partner_package_path;
  base::String16 partner_package_override_path;
  base::String16 histogram_download_time;
  base::String16 histogram_full_time;
  bool send_statistics = false;
  bool make_default = false;
  bool install_vnpin = true;
};

// Copies |values| into |block| whole; false (block unchanged, the values
// logged) when a path is longer than 260 or a time text longer than 32
// characters. The shared error code is left as it is.
bool StoreDelayedParams(const DelayedParamsValues& values, DelayedParams* block);

// True when the file names a readable, non-empty file.
using NonEmptyFileCheck = std::function<bool(const base::String16& path)>;

// Puts the block's values into the setup command line the parent prepared
// (program "fake_browser_arc"); the site icon only when |is_non_empty_file|
// says its file can be read and has content.
void ApplyDelayedParams(const DelayedParams& block,
                        const NonEmptyFileCheck& is_non_empty_file,
                        base::CommandLine* command_line);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_DELAYED_PARAMS_H_
