#!/usr/bin/env bash
# The local vendor services from outside, with curl: ranges, faults, the
# statistics decoding, a crash upload, --help and a clean stop on SIGTERM.
#   vendor_services_test.sh TOOLS_DIR PORT
set -u
tools=$1 port=$2
work=$(mktemp -d)
base="http://127.0.0.1:$port"
failures=0
check() {
  if ! eval "$2"; then
    echo "FAILED: $1"
    failures=$((failures + 1))
  fi
}
mkdir -p "$work/data/cdn"
head -c 300000 /dev/urandom >"$work/data/cdn/file.bin"
"$tools/lite-vendor-services" --port "$port" --data "$work/data" --journal "$work/journal" \
  --fault "/cdn/:drop=1000,count=1" >"$work/out" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do grep -q "listening on 127.0.0.1:$port" "$work/out" && break; sleep 0.05; done
check "announces itself" 'grep -qx "listening on 127.0.0.1:$port" "$work/out"'

size=$(curl -s -o "$work/dropped" -w '%{size_download}' "$base/cdn/file.bin")
check "drop after 1000 bytes, once" '[ "$size" = 1000 ]'
curl -s -o "$work/rest" -H "Range: bytes=1000-" "$base/cdn/file.bin"
cat "$work/dropped" "$work/rest" >"$work/joined"
check "the range continues the file" 'cmp -s "$work/joined" "$work/data/cdn/file.bin"'
code=$(curl -s -o /dev/null -w '%{http_code}' "$base/_control/fault?fault=%2Fcdn%2F%3Astatus%3D503%2Ccount%3D1")
check "fault added at run time" '[ "$code" = 200 ]'
check "status fault" '[ "$(curl -s -o /dev/null -w "%{http_code}" "$base/cdn/file.bin")" = 503 ]'
check "then served again" '[ "$(curl -s -o /dev/null -w "%{http_code}" "$base/cdn/file.bin")" = 200 ]'
curl -s -o /dev/null "$base/_control/fault?fault=%2Fcdn%2F%3Astatus%3D404"
curl -s -o /dev/null "$base/_control/reset"
size=$(curl -s -o /dev/null -w '%{size_download}' "$base/cdn/file.bin")
check "reset drops run-time faults and restores the standing ones" '[ "$size" = 1000 ]'
check "bad fault refused" '[ "$(curl -s -o /dev/null -w "%{http_code}" "$base/_control/fault?fault=nonsense")" = 400 ]'
check "outside the data is not served" '[ "$(curl -s --path-as-is -o /dev/null -w "%{http_code}" "$base/../../etc/passwd")" = 404 ]'

curl -s -o /dev/null "$base/installstats/send/dtype=stred/pid=457/vars=-ui=%7BA%7D,-action=setup"
check "statistics decoded" 'grep -q "\"vars\":{\"action\":\"setup\",\"ui\":\"{A}\"}" "$work/journal"'

printf -- '--B\r\nContent-Disposition: form-data; name="guid"\r\n\r\nG1\r\n--B\r\nContent-Disposition: form-data; name="upload_file_minidump"; filename="d.dmp"\r\n\r\nMDMP\r\n--B--\r\n' |
  gzip >"$work/upload"
code=$(curl -s -o /dev/null -w '%{http_code}' -H 'Content-Type: multipart/form-data; boundary=B' \
  -H 'Content-Encoding: gzip' -H 'Transfer-Encoding: chunked' --data-binary @"$work/upload" \
  "$base/submit?product=Velnor&version=24.10.4.931&guid=G1")
check "crash upload taken" '[ "$code" = 200 ] && grep -q "\"fields\":{\"guid\":\"G1\"}" "$work/journal"'
check "dump stored" 'cmp -s <(printf MDMP) "$work/data/_received/crash-1-upload_file_minidump.bin"'

# A chunked upload that also declares its framed length, as Wine's WinHTTP
# sends it when the total length is given: the chunks are still decoded.
python3 - "$port" "$work/upload" >"$work/both_answer" <<'PY'
import socket, sys
port, body = int(sys.argv[1]), open(sys.argv[2], "rb").read()
framed = b"%08x\r\n" % len(body) + body + b"\r\n" + b"00000000\r\n\r\n"
head = ("POST /submit?product=Velnor HTTP/1.1\r\nHost: 127.0.0.1\r\n"
        "Content-Type: multipart/form-data; boundary=B\r\nContent-Encoding: gzip\r\n"
        "Transfer-Encoding: chunked\r\nContent-Length: %d\r\nConnection: close\r\n\r\n"
        % len(framed)).encode()
with socket.create_connection(("127.0.0.1", port)) as s:
    s.sendall(head + framed)
    answer = b""
    while chunk := s.recv(4096):
        answer += chunk
print(answer.split(b"\r\n")[0].decode())
PY
check "chunks with a length beside them decoded" 'grep -q " 200 " "$work/both_answer" &&
  cmp -s <(printf MDMP) "$work/data/_received/crash-2-upload_file_minidump.bin"'
curl -s -o /dev/null "$base/_control/fault?fault=%2Fsubmit%3Astatus%3D500%2Ccount%3D1"
code=$(curl -s -o /dev/null -w '%{http_code}' -H 'Content-Type: multipart/form-data; boundary=B' \
  -H 'Content-Encoding: gzip' --data-binary @"$work/upload" "$base/submit")
check "crash upload refused by a status fault, still stored" '[ "$code" = 500 ] &&
  cmp -s <(printf MDMP) "$work/data/_received/crash-3-upload_file_minidump.bin"'

check "help names every fault" '"$tools/lite-vendor-services" --help | grep -q "ignore-range"'
kill -TERM $pid
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
check "stops on SIGTERM" '! kill -0 $pid 2>/dev/null'
wait $pid
check "clean exit" '[ $? -eq 0 ]'

echo "vendor_services_test: $failures failure(s)"
[ "$failures" -eq 0 ]
