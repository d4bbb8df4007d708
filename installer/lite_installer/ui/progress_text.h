// The one percentage the progress screen shows, from each of its sources,
// and how the screen shows it: the stage text with the number, and the
// width of the bar's fill.
#ifndef INSTALLER_LITE_INSTALLER_UI_PROGRESS_TEXT_H_
#define INSTALLER_LITE_INSTALLER_UI_PROGRESS_TEXT_H_

#include "base/strings.h"

namespace lite_installer {

// The download of the setup archive covers 5..40: int(f * 40 + (1 - f) * 5)
// in single precision, truncated. |fraction| is clamped to 0..1; NaN counts
// as 0.
int DownloadProgressPercent(float fraction);

// The setup's import stage covers 80..100: a / 100 * 100 + (1 - a / 100) * 80
// in single precision, truncated (80 + a / 5 for every a). |import_percent|
// is clamped to 0..100, so a bad message cannot show more than 100.
int ImportProgressPercent(int import_percent);

// The setup's install stage: code 5 is 75, code 7 is 79; any other code is
// 0, which the caller does not show.
int InstallStageProgressPercent(int stage_code);

enum class ProgressStage { kDownloading, kInstalling, kAlmostDone };

// Up to 40 downloading, 41..90 installing, above 90 almost done.
ProgressStage ProgressStageFor(int percent);

// The string id of the stage's text (IDS_STAGE_*).
int ProgressStageStringId(ProgressStage stage);

// "<stage> <n>%".
base::String16 FormatProgressText(const base::String16& stage_text, int percent);

// Pixels of a bar |width| wide that the fill covers at |pos| in low..high:
// width * (pos - low) / (high - low), integer division; |pos| is clamped into
// the range, and an empty or inverted range fills nothing.
int ProgressFillWidth(int width, int low, int high, int pos);

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_UI_PROGRESS_TEXT_H_
