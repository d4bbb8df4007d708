#!/usr/bin/env bash
# The English string table holds every string id the code names, once each,
# none empty; the message-box texts keep the product name on one line; the
# licence text marks exactly one link.
#   string_table_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
python3 - "$source_dir/resources/resource_ids.h" "$source_dir/resources/strings/strings_en.rc" <<'PY'
import re
import sys

ids_path, table_path = sys.argv[1:]
ids = {}
for name, value in re.findall(r"^#define (IDS_\w+) (\d+)$", open(ids_path).read(), re.M):
    if int(value) in ids.values():
        sys.exit(f"{name}: id {value} is taken twice")
    ids[name] = int(value)
    if not 400 <= int(value) <= 514:
        sys.exit(f"{name}: {value} is outside the interface's 400..514")

table = open(table_path, encoding="utf-8").read()
body = table[table.index("\nBEGIN\n"):table.index("\nEND")]
entries = {}
for line in body.splitlines()[2:]:
    match = re.fullmatch(r'  (IDS_\w+) (L?)"(.*)"', line)
    if not match:
        sys.exit(f"not a string entry: {line!r}")
    name, _, text = match.groups()
    if name in entries:
        sys.exit(f"{name} is defined twice")
    if name not in ids:
        sys.exit(f"{name} has no id in resource_ids.h")
    if not text:
        sys.exit(f"{name} is empty")
    entries[name] = text
missing = sorted(set(ids) - set(entries), key=ids.get)
if missing:
    sys.exit("no English text for " + ", ".join(missing))

for name in ("IDS_INSTALLER_TITLE", "IDS_INSTALL_IMPOSSIBLE"):
    if "Velnor\\x00A0Browser" not in entries[name] or "Velnor Browser" in entries[name]:
        sys.exit(f"{name}: the product name must be joined by a no-break space")
licence = entries["IDS_LICENCE_TEXT"]
if licence.count("((") != 1 or licence.count("))") != 1 or licence.index("((") > licence.index("))"):
    sys.exit("IDS_LICENCE_TEXT: one link between (( and ))")
print(f"string table: {len(entries)} English strings, one per id")
PY
