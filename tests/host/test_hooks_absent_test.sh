#!/usr/bin/env bash
# The test-only hooks stay out of the shipped program: the build made without
# LITE_TEST_HOOKS (win32, as shipped) holds neither the crash switch nor the
# test setters, while the test build (win64) does, which shows that the
# search would find them.
#   test_hooks_absent_test.sh SOURCE_DIR
set -u
source=$1
failures=0
markers=(lite-test-crash)
shipped="$source/build/win32/lite_installer.exe"
test_build="$source/build/win64/lite_installer.exe"
for marker in "${markers[@]}"; do
  if [ -f "$shipped" ]; then
    if grep -aqF -- "$marker" "$shipped"; then
      echo "FAILED: $shipped holds \"$marker\""
      failures=$((failures + 1))
    fi
  else
    echo "skipped: $shipped is not built"
  fi
  if [ -f "$test_build" ] && ! grep -aqF -- "$marker" "$test_build"; then
    echo "FAILED: the test build $test_build lacks \"$marker\": the check would prove nothing"
    failures=$((failures + 1))
  fi
done
if [ -f "$shipped" ] && ! grep -q '^LITE_TEST_HOOKS:BOOL=OFF' "$source/build/win32/CMakeCache.txt"; then
  echo "FAILED: the win32 build is not configured without the test hooks"
  failures=$((failures + 1))
fi
echo "test_hooks_absent_test: $failures failure(s)"
[ "$failures" -eq 0 ]
