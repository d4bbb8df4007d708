#!/usr/bin/env bash
# The release-engineer tools from the command line: what they print, what
# they refuse, and that a package they build holds the configuration.
#   tools_test.sh TOOLS_DIR SOURCE_DIR
set -u
tools=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {
  if ! eval "$2"; then
    echo "FAILED: $1"
    failures=$((failures + 1))
  fi
}

# lite-brand-package: reports the keys the installer takes and packs one file.
printf '// c2ln\r\n{"brand_id": "tb", "install": {"send_statistics": false, "pin": {}},\r\n "forced_testids": ["7/a"]}\r\n' >"$work/config"
"$tools/lite-brand-package" partner "$work/config" "$work/partner.cab" >"$work/out" 2>&1
check "brand package builds" '[ $? -eq 0 ] && [ -s "$work/partner.cab" ]'
check "reports brand_id" 'grep -q "brand_id  *tb" "$work/out"'
check "reports tri-state" 'grep -q "install.send_statistics  *false" "$work/out"'
check "reports pin" 'grep -q "install.pin  *present" "$work/out"'
check "cabinet holds partner_config" 'gcab -t "$work/partner.cab" | grep -qx partner_config'
printf '{"a": 1,}' >"$work/bad"
"$tools/lite-brand-package" brand "$work/bad" "$work/bad.cab" >"$work/out" 2>&1
check "malformed configuration refused" '[ $? -ne 0 ] && [ ! -e "$work/bad.cab" ] && grep -q "trailing comma" "$work/out"'

# lite-tag: refuses what the installer could not carry, and non-images.
"$tools/lite-tag" set --cert 'a=1 b' "$source/tests/fuzz/corpus/distrib_tag/signed_x86_64.exe" "$work/x.exe" 2>"$work/err"
check "blank refused" '[ $? -eq 1 ] && grep -q "refused" "$work/err" && [ ! -e "$work/x.exe" ]'
"$tools/lite-tag" set --appended 'novalue' "$source/tests/fuzz/corpus/distrib_tag/signed_x86_64.exe" "$work/x.exe" 2>"$work/err"
check "item without = refused" '[ $? -eq 1 ] && grep -q "is not key=value" "$work/err"'
"$tools/lite-tag" set --cert 'a=1' "$source/tests/fuzz/corpus/distrib_tag/unsigned.exe" "$work/x.exe" 2>"$work/err"
check "unsigned image refused" '[ $? -eq 1 ] && grep -q "no certificate table" "$work/err"'
"$tools/lite-tag" set --appended 'a=1&b=2' "$source/tests/fuzz/corpus/distrib_tag/cert_tag_i686.exe" "$work/both.exe"
"$tools/lite-tag" show "$work/both.exe" >"$work/out"
check "show lists both tags" 'grep -q "certificate tag: partner_id=42" "$work/out" && grep -q "appended tag: a=1&b=2" "$work/out"'

# lite-trust-list: a list it builds verifies with the matching public key
# only, and only unchanged.
keys="$source/tests/pki/trust-keys"
openssl req -x509 -newkey rsa:1024 -nodes -keyout "$work/leaf.key" -out "$work/leaf.pem" \
  -subj "/CN=tools test" -days 1 -set_serial 0x0102 2>/dev/null
"$tools/lite-trust-list" build --key-index 7 --key "$keys/dev-trust-key-7.pem" \
  --json "$work/trusted.json" --signature "$work/signature.dat" "$work/leaf.pem" >/dev/null
check "trust list names the serial" 'grep -q "\"id\": \"AQI=\"" "$work/trusted.json"'
check "signature file starts with the key index" '[ "$(head -c 2 "$work/signature.dat" | xxd -p)" = 0700 ]'
openssl rsa -in "$keys/dev-trust-key-7.pem" -pubout -out "$work/pub7.pem" 2>/dev/null
openssl rsa -in "$keys/dev-trust-key-8.pem" -pubout -out "$work/pub8.pem" 2>/dev/null
check "verifies with its key" '"$tools/lite-trust-list" verify --public-key "$work/pub7.pem" "$work/trusted.json" "$work/signature.dat" >/dev/null'
check "not with another key" '! "$tools/lite-trust-list" verify --public-key "$work/pub8.pem" "$work/trusted.json" "$work/signature.dat" >/dev/null'
printf ' ' >>"$work/trusted.json"
check "not over a changed list" '! "$tools/lite-trust-list" verify --public-key "$work/pub7.pem" "$work/trusted.json" "$work/signature.dat" >/dev/null'

echo "tools_test: $failures failure(s)"
[ "$failures" -eq 0 ]
