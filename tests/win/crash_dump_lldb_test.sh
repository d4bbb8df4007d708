#!/usr/bin/env bash
# A dump the crash reporter wrote, opened by a debugger that knows nothing of
# the project: lldb must load it and show the crashing thread stopped by the
# crash's exception.
#   crash_dump_lldb_test.sh WINE_ENV PREFIX CRASH_CHILD_EXE
set -u
wine_env=$1 prefix=$2 child=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {
  if ! eval "$2"; then
    echo "FAILED: $1"
    failures=$((failures + 1))
  fi
}
# lldb's embedded Python is the system's: a Python of another version first
# on the path only adds noise.
lldb_on() {
  PATH=/usr/bin:/bin lldb --batch -c "$1" -o "thread list" 2>/dev/null
}

for mode in access_violation thread; do
  mkdir -p "$work/$mode"
  "$wine_env" run "$prefix" "$child" "$mode" --no-upload "--temp=Z:${work//\//\\}\\$mode" \
    >/dev/null 2>&1
  dumps=("$work/$mode"/*.dmp)
  check "$mode: one dump" '[ ${#dumps[@]} -eq 1 ] && [ -s "${dumps[0]}" ]'
  lldb_on "${dumps[0]}" >"$work/$mode.txt"
  cat "$work/$mode.txt"
  check "$mode: lldb shows the crash" \
    'grep -q "^\* thread #[0-9]*: tid = 0x[0-9a-f]*, .*stop reason = Exception 0xc0000005" "$work/$mode.txt"'
done
check "thread: the dump holds both threads" 'grep -q "thread #2" "$work/thread.txt"'
check "thread: the crashing thread is not the main thread" '! grep -q "^\* thread #1:" "$work/thread.txt"'

echo "crash_dump_lldb_test: $failures failure(s)"
[ "$failures" -eq 0 ]
