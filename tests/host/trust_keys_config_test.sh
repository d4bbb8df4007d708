#!/usr/bin/env bash
# A build whose keys file lacks a key, or holds a broken one, stops at
# configure time and says which.
#   trust_keys_config_test.sh SOURCE_DIR
set -u
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
keys="$source/tests/pki/trust-keys/dev-trust-keys.txt"
failures=0
# CMake wraps its messages: compare with all white space squeezed.
said() { tr -s ' \n' '  ' <"$work/$1.log" | grep -q "$2"; }
configure() {
  cmake -S "$source" -B "$work/build-$1" -DLITE_BUILD_TESTS=OFF -DLITE_TRUST_KEYS_FILE="$2" \
    >"$work/$1.log" 2>&1
}
head -9 "$keys" >"$work/nine.txt"
if configure nine "$work/nine.txt" || ! said nine "holds 9 keys; it must hold exactly 10"; then
  echo "FAILED: a file of nine keys is refused"; failures=$((failures + 1))
fi
{ head -4 "$keys"; echo "MIGfMA0GCSqGSIb3DQEBAQUAA4GNADCBiQKBgQ"; tail -5 "$keys"; } >"$work/broken.txt"
if configure broken "$work/broken.txt" || ! said broken "key 4 (line 5)"; then
  echo "FAILED: a broken key is named"; failures=$((failures + 1))
fi
echo "trust_keys_config_test: $failures failure(s)"
[ "$failures" -eq 0 ]
