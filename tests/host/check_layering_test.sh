#!/usr/bin/env bash
# The folder-order check passes on the tree and fails on an include that
# reaches upwards (a downloader helper including the engine).
#   check_layering_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
"$source_dir/scripts/check-layering" --root "$source_dir" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git -C "$work" init -q
mkdir -p "$work/installer/util" "$work/installer/lite_installer/engine"
printf '#include "installer/lite_installer/engine/installer_win.h"\n' \
  >"$work/installer/util/downloader_win.cc"
printf '#include "installer/util/downloader_win.h"\n' \
  >"$work/installer/lite_installer/engine/installer_win.cc"
if out=$("$source_dir/scripts/check-layering" --root "$work"); then
  echo "an upward include passed the check"; exit 1
fi
grep -q 'installer/util/downloader_win.cc:1: installer/util may not include' <<<"$out"
# The engine including the downloader is the allowed direction.
rm "$work/installer/util/downloader_win.cc"
"$source_dir/scripts/check-layering" --root "$work" >/dev/null
echo "check-layering: upward include refused, downward include accepted"
