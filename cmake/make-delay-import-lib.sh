#!/usr/bin/env bash
# Builds a delay-import library for one system DLL from mingw-w64's own import
# library: every exported function it names ("__imp_" symbols) goes into a .def
# file, which dlltool turns into a library whose thunks load the DLL on first
# call. i686 keeps the exact "@N" decorated names and strips them (-k) from
# the names looked up in the DLL.
#   make-delay-import-lib.sh TRIPLE IMPORT_LIB DLL_NAME OUTPUT
set -euo pipefail
triple=$1 import_lib=$2 dll=$3 output=$4
def=${output%.a}.def
case "$triple" in
  i686-*) strip='s/^__imp__//'; kill_at=(-k) ;;
  *) strip='s/^__imp_//'; kill_at=() ;;
esac
{
  echo "LIBRARY \"$dll\""
  echo "EXPORTS"
  "$triple-nm" "$import_lib" | awk '$2 == "I" && $3 ~ /^__imp_/ { print $3 }' | sed "$strip" | sort -u
} >"$def"
"$triple-dlltool" --input-def "$def" --output-delaylib "$output" --dllname "$dll" "${kill_at[@]}"
