#!/usr/bin/env bash
# The Windows XP import check: an image that imports a Vista function, or
# delay-loads a function missing from the list, fails and is named; broken
# images fail with a message; the real programs, once built, pass.
#   xp_imports_test.sh SOURCE_DIR
set -u
source=$1
check="$source/scripts/pe-imports"
list="$source/tests/compat/xp-sp3-exports"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $1"; failures=$((failures + 1)); }

cat >"$work/vista.c" <<'C'
#include <windows.h>
int wmain(void) {
  return ReOpenFile(INVALID_HANDLE_VALUE, GENERIC_READ, FILE_SHARE_READ, 0) != NULL;
}
C
cat >"$work/delayed.c" <<'C'
#include <windows.h>
#include <wininet.h>
int wmain(void) {
  return HttpOpenRequestW(NULL, NULL, NULL, NULL, NULL, NULL, 0, 0) != NULL;
}
C
i686-w64-mingw32-gcc -D_WIN32_WINNT=0x0600 -municode -O1 -o "$work/vista.exe" "$work/vista.c" ||
  fail "the Vista test image builds"
"$source/cmake/make-delay-import-lib.sh" i686-w64-mingw32 /usr/i686-w64-mingw32/lib/libwininet.a \
  WININET.dll "$work/libwininet_delay.a" >/dev/null &&
  i686-w64-mingw32-gcc -municode -O1 -o "$work/delayed.exe" "$work/delayed.c" \
    "$work/libwininet_delay.a" || fail "the delay-loading test image builds"

if "$check" --check "$list" "$work/vista.exe" >"$work/vista.log" 2>&1 ||
  ! grep -q "vista.exe imports KERNEL32.dll!ReOpenFile, which is not on" "$work/vista.log"; then
  fail "a Vista import is refused and named"; cat "$work/vista.log"
fi
if "$check" --check "$list" "$work/delayed.exe" >"$work/delayed.log" 2>&1 ||
  ! grep -q "delayed.exe imports WININET.dll!HttpOpenRequestW, which is not on" "$work/delayed.log"; then
  fail "a delay-loaded function off the list is refused and named"; cat "$work/delayed.log"
fi
# The listing shows the delay-loaded function apart from the ordinary ones.
if ! "$check" "$work/delayed.exe" | grep -qx "delayed WININET.dll HttpOpenRequestW"; then
  fail "the delay-import descriptor is read"
fi

# Broken images: a message and a failure, never a traceback.
head -c 700 "$work/vista.exe" >"$work/truncated.exe"
printf 'MZ garbage that is no image' >"$work/garbage.exe"
: >"$work/empty.exe"
for name in truncated garbage empty missing; do
  "$check" --check "$list" "$work/$name.exe" >"$work/$name.log" 2>&1
  rc=$?
  if [ "$rc" -ne 1 ] || ! grep -q "^pe-imports: $work/$name.exe: " "$work/$name.log" ||
    grep -q Traceback "$work/$name.log"; then
    fail "a $name image fails with a message (rc $rc)"; cat "$work/$name.log"
  fi
done

# The programs themselves, when this tree has built them.
programs=()
for preset in win32 win64; do
  exe="$source/build/$preset/lite_installer.exe"
  [ -f "$exe" ] && programs+=("$exe")
done
if [ ${#programs[@]} -gt 0 ]; then
  "$check" --check "$list" "${programs[@]}" || fail "the built programs import only what XP has"
fi

echo "xp_imports_test: $failures failure(s), ${#programs[@]} program(s) checked"
[ "$failures" -eq 0 ]
