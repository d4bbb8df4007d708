#include "installer/lite_installer/engine/delayed_params.h"

#include <algorithm>

#include "logging/log_message.h"

namespace lite_installer {

namespace {

constexpr char kWriteSource[] = "static Installer::ElevatedProcessHolder::WriteDelayedParams";

template <size_t N>
void CopyToSlot(const base::String16& value, char16_t (&slot)[N]) {
  std::fill(std::begin(slot), std::end(slot), u'\0');
  std::copy(value.begin(), value.end(), slot);
}

// The slot's text up to its terminating zero (or its end, for a block that
// some other process filled without one).
template <size_t N>
base::String16 FromSlot(const char16_t (&slot)[N]) {
  const char16_t* end = std::find(slot, slot + N, u'\0');
  return base::String16(slot, end);
}

void SetFlag(base::CommandLine* command_line, const char* name, bool on) {
  if (on) {
    if (!command_line->HasSwitch(name))
      command_line->AppendSwitch(name);
  } else {
    command_line->RemoveSwitch(name);
  }
}

}  // namespace

bool StoreDelayedParams(const DelayedParamsValues& values, DelayedParams* block) {
  const base::String16* paths[] = {&values.browser_arc_path,
                                   &values.clids_file_path,
                                   &values.website_icon_file_path,
                                   &values.installer_data_path,
                                   &values.brand_package_path,
                                   &values.partner_package_path,
                                   &values.partner_package_override_path};
  const bool paths_fit = std::all_of(std::begin(paths), std::end(paths), [](const auto* path) {
    return path->size() <= kDelayedPathMaxLength;
  });
  const bool times_fit = values.histogram_download_time.size() <= kDelayedTimeMaxLength &&
                         values.histogram_full_time.size() <= kDelayedTimeMaxLength;
  if (!paths_fit || !times_fit) {
    PLOG_AT(ERROR, kWriteSource) << "Too large string length,"
                                 << " browser_arc_path=" << values.browser_arc_path
                                 << " clids_file_path=" << values.clids_file_path
                                 << " velnor_website_icon_file_path="
                                 << values.website_icon_file_path
                                 << " installer_data_path=" << values.installer_data_path
                                 << " brand_package_path=" << values.brand_package_path
                                 << " partner_package_path=" << values.partner_package_path
                                 << " partner_package_override_path="
                                 << values.partner_package_override_path
                                 << " histogram_download_time=" << values.histogram_download_time
                                 << " histogram_full_time=" << values.histogram_full_time
                                 << " send_statistics=" << values.send_statistics
                                 << " make_default=" << values.make_default
                                 << " install_vnpin=" << values.install_vnpin;
    return false;
  }
  CopyToSlot(values.browser_arc_path, block->browser_arc_path);
  CopyToSlot(values.clids_file_path, block->clids_file_path);
  CopyToSlot(values.website_icon_file_path, block->website_icon_file_path);
  CopyToSlot(values.installer_data_path, block->installer_data_path);
  CopyToSlot(values.brand_package_path, block->brand_package_path);
  CopyToSlot(values.partner_package_path, block->partner_package_path);
  CopyToSlot(values.partner_package_override_path, block->partner_package_override_path);
  CopyToSlot(values.histogram_download_time, block->histogram_download_time);
  CopyToSlot(values.histogram_full_time, block->histogram_full_time);
  block->send_statistics = values.send_statistics ? 1 : 0;
  block->make_default = values.make_default ? 1 : 0;
  block->install_vnpin = values.install_vnpin ? 1 : 0;
  return true;
}

void ApplyDelayedParams(const DelayedParams& block,
                        const NonEmptyFileCheck& is_non_empty_file,
                        base::CommandLine* command_line) {
  const base::String16 archive = FromSlot(block.browser_arc_path);
  if (!archive.empty())
    command_line->SetProgram(archive);
  struct Slot {
    base::String16 value;
    const char* name;
  };
  const base::String16 icon = FromSlot(block.website_icon_file_path);
  const Slot slots[] = {
      {FromSlot(block.installer_data_path), "installerdata"},
      {FromSlot(block.clids_file_path), "clids-file"},
      {!icon.empty() && is_non_empty_file(icon) ? icon : base::String16(),
       "velnor-website-icon-file"},
      {FromSlot(block.brand_package_path), "brand-package"},
      {FromSlot(block.partner_package_path), "partner-package"},
      {FromSlot(block.partner_package_override_path), "override-partner-package"},
      {FromSlot(block.histogram_full_time), "install-start-time-no-uac"},
  };
  for (const Slot& slot : slots) {
    if (!slot.value.empty())
      command_line->AppendSwitchNative(slot.name, slot.value);
  }
  SetFlag(command_line, "send-statistics", block.send_statistics != 0);
  SetFlag(command_line, "make-browser-default-after-import", block.make_default != 0);
  SetFlag(command_line, "disablevnpin", block.install_vnpin == 0);
  command_line->AppendSwitchNative("histogram-download-time",
                                   FromSlot(block.histogram_download_time));
}

}  // namespace lite_installer
