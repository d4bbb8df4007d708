#!/usr/bin/env bash
# The string tables: English holds every string id the code names, once each,
# none empty; the message-box texts keep the product name on one line; the
# licence text marks exactly one link. Every other language's table has the
# ids of the English one in the same order, its language id, the same link
# runs, placeholders, line breaks, names and figures, characters the
# interface fonts have, and no text left in English unless the glossary says
# so; every table is compiled into the program for the language id the
# loader asks for. All faults are listed, not only the first.
#   string_table_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
python3 - "$source_dir" <<'PY'
import collections
import re
import sys

source_dir = sys.argv[1]
strings_dir = f"{source_dir}/resources/strings"

# Interface language code -> table file and the language id the loader asks
# for (a string is looked up for exactly that id).
LANGUAGES = {
    "en": ("strings_en.rc", 1033),
    "pt-PT": ("strings_pt_pt.rc", 2070),
    "pt-BR": ("strings_pt_br.rc", 1046),
    "zh-CN": ("strings_zh_cn.rc", 2052),
    "zh-TW": ("strings_zh_tw.rc", 1028),
    "ru": ("strings_ru.rc", 1049),
    "uk": ("strings_uk.rc", 1058),
    "tr": ("strings_tr.rc", 1055),
    "cs": ("strings_cs.rc", 1029),
    "de": ("strings_de.rc", 1031),
    "es": ("strings_es.rc", 3082),
    "fr": ("strings_fr.rc", 1036),
    "it": ("strings_it.rc", 1040),
    "ja": ("strings_ja.rc", 1041),
    "kk": ("strings_kk.rc", 1087),
    "uz": ("strings_uz.rc", 1091),
}
CJK_LANGUAGES = {"zh-CN", "zh-TW", "ja"}
# Values of the LANGUAGE macros the tables may use (winnt.h); a table may
# also write the number itself.
PRIMARY = {"LANG_ENGLISH": 0x09, "LANG_PORTUGUESE": 0x16, "LANG_CHINESE": 0x04,
           "LANG_RUSSIAN": 0x19, "LANG_UKRAINIAN": 0x22, "LANG_TURKISH": 0x1F,
           "LANG_CZECH": 0x05, "LANG_GERMAN": 0x07, "LANG_SPANISH": 0x0A,
           "LANG_FRENCH": 0x0C, "LANG_ITALIAN": 0x10, "LANG_JAPANESE": 0x11,
           "LANG_KAZAK": 0x3F, "LANG_UZBEK": 0x43}
SUB = {"SUBLANG_ENGLISH_US": 0x01, "SUBLANG_PORTUGUESE": 0x02,
       "SUBLANG_PORTUGUESE_BRAZILIAN": 0x01, "SUBLANG_CHINESE_SIMPLIFIED": 0x02,
       "SUBLANG_CHINESE_TRADITIONAL": 0x01, "SUBLANG_GERMAN": 0x01,
       "SUBLANG_SPANISH_MODERN": 0x03, "SUBLANG_FRENCH": 0x01, "SUBLANG_ITALIAN": 0x01,
       "SUBLANG_UZBEK_LATIN": 0x01}
# Names every language writes as English does, counted per string.
KEPT_NAMES = ("Velnor Browser", "Velnor", "CryptoPro", "SSE2", "SSE3", "Windows")
PRODUCT_NBSP = "Velnor\u00a0Browser"
PLACEHOLDER = re.compile(r"%(?:\d+|[-+ #0]*\d*(?:\.\d+)?[hlL]*[diouxXcsSfFeEgG%])|\{\d+\}")
LINK_MARK = re.compile(r"\(\(|\)\)")

errors = []


def error(message):
    errors.append(message)


def decode(name, wide, raw, where):
    """The text of an rc string literal. windres decodes UTF-8 through the
    code page in plain strings only; an L string takes its bytes as they are,
    and a \\x escape in a plain string becomes a single byte."""
    if not re.fullmatch(r'(?:[^"]|"")*', raw):
        error(f'{where} {name}: a lone " inside the text (write "" for a quote)')
    if wide and not raw.isascii():
        error(f"{where} {name}: non-ASCII text in an L string is stored byte by byte; "
              "write a plain string")
    out = []
    i = 0
    while i < len(raw):
        c = raw[i]
        if c == '"':
            out.append('"')
            i += 2
        elif c == "\\":
            escape = re.match(r"\\(n|x[0-9A-Fa-f]{4})", raw[i:])
            if not escape or (not wide and escape.group(1) != "n"):
                error(f"{where} {name}: escape {raw[i:i + 6]!r} is not \\n"
                      + (" or \\xHHHH" if wide else "; write the character itself"))
                out.append(c)
                i += 1
                continue
            out.append("\n" if escape.group(1) == "n" else chr(int(escape.group(1)[1:], 16)))
            i += len(escape.group(0))
        else:
            out.append(c)
            i += 1
    return "".join(out)


def read_table(file_name):
    """(language id or None, [(name, text)]) of one table."""
    where = file_name
    try:
        data = open(f"{strings_dir}/{file_name}", "rb").read()
    except OSError:
        error(f"{where}: missing")
        return None, []
    if data.startswith(b"\xef\xbb\xbf"):
        error(f"{where}: starts with a byte order mark")
        data = data[3:]
    try:
        table = data.decode("utf-8")
    except UnicodeDecodeError as e:
        error(f"{where}: not UTF-8 ({e})")
        return None, []
    if table.split("\n", 1)[0] != "#pragma code_page(65001)":
        error(f"{where}: the first line is not #pragma code_page(65001)")

    language_id = None
    languages = re.findall(r"^LANGUAGE (\w+), *(\w+)\s*$", table, re.M)
    if len(languages) != 1:
        error(f"{where}: {len(languages)} LANGUAGE lines, not one")
    else:
        primary, sub = languages[0]
        try:
            p = PRIMARY[primary] if primary in PRIMARY else int(primary, 0)
            s = SUB[sub] if sub in SUB else int(sub, 0)
            language_id = p + (s << 10)
        except ValueError:
            error(f"{where}: LANGUAGE {primary}, {sub}: a macro this check does not know")

    if "\nBEGIN\n" not in table or "\nEND" not in table:
        error(f"{where}: no STRINGTABLE BEGIN ... END")
        return language_id, []
    body = table[table.index("\nBEGIN\n") + len("\nBEGIN\n"):table.index("\nEND")]
    entries = []
    for line in body.splitlines():
        match = re.fullmatch(r'  (IDS_\w+) (L?)"(.*)"', line)
        if not match:
            error(f"{where}: not a string entry: {line!r}")
            continue
        name, wide, raw = match.groups()
        entries.append((name, decode(name, wide == "L", raw, where)))
    return language_id, entries


def link_runs(text):
    """The number of "((" ... "))" runs, or an error text."""
    marks = LINK_MARK.findall(text)
    if marks != ["((", "))"] * (len(marks) // 2) or len(marks) % 2:
        return "unbalanced or nested (( ))"
    if re.search(r"\(\(\s*\)\)", text):
        return "an empty (( )) run"
    return len(marks) // 2


def read_charset():
    """Code points the embedded interface fonts keep."""
    points = set()
    with open(f"{source_dir}/tools/art/charset.txt", encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                first, _, last = line[2:].partition("-")
                points.update(range(int(first, 16), int(last or first, 16) + 1))
    return points


def is_cjk(c):
    # CJK punctuation, kana, ideographs and the full-width forms: left to the
    # system's font substitution.
    return "\u3000" <= c <= "\u9fff" or "\uff00" <= c <= "\uffef"


def read_identical_on_purpose():
    """{(language, id)} named in the glossary's section of strings that stay
    as in English."""
    path = f"{strings_dir}/glossary.md"
    try:
        text = open(path, encoding="utf-8").read()
    except OSError:
        error("glossary.md: missing")
        return set()
    section = re.search(r"^## Identical to English on purpose\n(.*?)(?=^## |\Z)", text,
                        re.M | re.S)
    if not section:
        error("glossary.md: no section '## Identical to English on purpose'")
        return set()
    allowed = set()
    for row in re.findall(r"^\|(.+)\|\s*$", section.group(1), re.M):
        cells = [cell.strip() for cell in row.split("|")]
        if len(cells) != 3 or cells[0] in ("Languages", "") or set(cells[0]) <= set("-: "):
            continue
        languages, names, reason = cells
        if not reason:
            error(f"glossary.md: no reason given for {names}")
        for language in re.split(r",\s*", languages):
            if language not in LANGUAGES or language == "en":
                error(f"glossary.md: unknown language {language!r}")
            for name in re.split(r",\s*", names):
                allowed.add((language, name.strip("`")))
    return allowed


# The ids the code names, from the shared header.
ids = {}
for name, value in re.findall(r"^#define (IDS_\w+) (\d+)$",
                              open(f"{source_dir}/resources/resource_ids.h").read(), re.M):
    if int(value) in ids.values():
        error(f"{name}: id {value} is taken twice")
    ids[name] = int(value)
    if not 400 <= int(value) <= 514:
        error(f"{name}: {value} is outside the interface's 400..514")

# English: the reference.
en_id, en_entries = read_table("strings_en.rc")
if en_id != 1033:
    error(f"strings_en.rc: language id {en_id}, not 1033")
english = {}
for name, text in en_entries:
    if name in english:
        error(f"strings_en.rc: {name} is defined twice")
    if name not in ids:
        error(f"strings_en.rc: {name} has no id in resource_ids.h")
    if not text:
        error(f"strings_en.rc: {name} is empty")
    english[name] = text
missing = sorted(set(ids) - set(english), key=ids.get)
if missing:
    error("no English text for " + ", ".join(missing))
for name in ("IDS_INSTALLER_TITLE", "IDS_INSTALL_IMPOSSIBLE"):
    if PRODUCT_NBSP not in english.get(name, "") or "Velnor Browser" in english.get(name, ""):
        error(f"strings_en.rc: {name}: the product name must be joined by a no-break space")
if link_runs(english.get("IDS_LICENCE_TEXT", "")) != 1:
    error("strings_en.rc: IDS_LICENCE_TEXT: one link between (( and ))")
en_order = [name for name, _ in en_entries]

# Every language the loader knows has a table, with the same language id.
loader = open(f"{source_dir}/installer/lite_installer/config/brand_info.cc").read()
loader_ids = {code: int(value) for code, value in re.findall(r'\{"([\w-]+)", (\d+)\}', loader)}
expected_ids = {code: language_id for code, (_, language_id) in LANGUAGES.items() if code != "en"}
if not loader_ids:
    error("brand_info.cc: no language table ({\"code\", id} rows) found")
for code in sorted(set(loader_ids) | set(expected_ids)):
    if loader_ids.get(code) != expected_ids.get(code):
        error(f"language {code}: the loader in brand_info.cc gives {loader_ids.get(code)}, "
              f"the tables {expected_ids.get(code)}")
main_rc = open(f"{source_dir}/resources/lite_installer.rc").read()
for code, (file_name, _) in LANGUAGES.items():
    if f'#include "strings/{file_name}"' not in main_rc:
        error(f"lite_installer.rc does not include strings/{file_name}")
# A LANGUAGE statement holds for every resource after it, so the resources
# after the tables must be set back to English (or English come last).
main_lines = main_rc.splitlines()
table_lines = [i for i, line in enumerate(main_lines) if line.startswith('#include "strings/')]
if table_lines and main_lines[table_lines[-1]] != '#include "strings/strings_en.rc"':
    after = [line for line in main_lines[table_lines[-1] + 1:]
             if line.strip() and not line.startswith("//")]
    if not after or after[0] != "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US":
        error("lite_installer.rc: the resources after the string tables take the last "
              "table's language; set LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US after them")

charset = read_charset()
identical_on_purpose = read_identical_on_purpose()
same_english = collections.defaultdict(list)
for name in en_order:
    same_english[english[name]].append(name)

for code, (file_name, expected_id) in LANGUAGES.items():
    if code == "en":
        continue
    where = file_name
    language_id, entries = read_table(file_name)
    if language_id is not None and language_id != expected_id:
        error(f"{where}: LANGUAGE gives {language_id}, {code} is {expected_id}")
    names = [name for name, _ in entries]
    table = dict(entries)
    for name, count in collections.Counter(names).items():
        if count > 1:
            error(f"{where}: {name} is defined {count} times")
    for name in sorted(set(names) - set(english)):
        error(f"{where}: {name} is not in the English table")
    for name in en_order:
        if name not in table:
            error(f"{where}: no {name}")
    if set(names) == set(english) and list(dict.fromkeys(names)) != en_order:
        error(f"{where}: the ids are not in the order of strings_en.rc")

    for name in en_order:
        if name not in table:
            continue
        text, source = table[name], english[name]
        at = f"{where} {name}"
        if not text.strip():
            error(f"{at}: empty")
            continue
        runs, source_runs = link_runs(text), link_runs(source)
        if isinstance(runs, str):
            error(f"{at}: {runs}")
        elif runs != source_runs:
            error(f"{at}: {runs} link run(s), English has {source_runs}")
        placeholders = collections.Counter(PLACEHOLDER.findall(text))
        if placeholders != collections.Counter(PLACEHOLDER.findall(source)):
            error(f"{at}: placeholders {sorted(placeholders.elements())}, English has "
                  f"{sorted(PLACEHOLDER.findall(source))}")
        if text.count("\n") != source.count("\n"):
            error(f"{at}: {text.count(chr(10))} line break(s), English has "
                  f"{source.count(chr(10))}")
        if PRODUCT_NBSP in source and (PRODUCT_NBSP not in text or "Velnor Browser" in text):
            error(f"{at}: the product name must be joined by a no-break space (U+00A0)")
        plain = text.replace("\u00a0", " ")
        plain_source = source.replace("\u00a0", " ")
        for kept in KEPT_NAMES:
            if plain.count(kept) != plain_source.count(kept):
                error(f"{at}: {kept!r} appears {plain.count(kept)} time(s), English has "
                      f"{plain_source.count(kept)} (names stay as they are, in Latin letters)")
        figures = collections.Counter(re.findall(r"\d+", text))
        lost = collections.Counter(re.findall(r"\d+", source)) - figures
        if lost:
            error(f"{at}: lost the figure(s) {sorted(lost.elements())}")
        if text == source and (code, name) not in identical_on_purpose:
            error(f"{at}: identical to English, and glossary.md does not say it stays so")
        if text != source and (code, name) in identical_on_purpose:
            error(f"{at}: glossary.md says it stays as in English, but it differs")
        for c in sorted(set(text) - {"\n"}):
            if ord(c) not in charset and not (code in CJK_LANGUAGES and is_cjk(c)):
                error(f"{at}: U+{ord(c):04X} {c!r} is not in the interface fonts "
                      "(tools/art/charset.txt)")
        if code == "fr":
            for match in re.finditer(r"(.)([:;?!»])|(«)(.)", text):
                before, mark, guillemet, after = match.groups()
                space = before if mark else after
                if space not in ("\u00a0", "\u202f"):
                    error(f"{at}: French {mark or guillemet!r} needs a no-break space "
                          f"{'before' if mark else 'after'} it")
        if code == "uz":
            for match in re.finditer(r"[OoGg]['\u2018\u2019\u02bc`]", text):
                error(f"{at}: {match.group(0)!r}: the letters oʻ and gʻ take U+02BB")
        if code in CJK_LANGUAGES:
            for match in re.finditer(r"[\u3040-\u30ff\u3400-\u9fff]([,.:;?!])", text):
                error(f"{at}: ASCII {match.group(1)!r} after {match.group(0)[0]!r}; "
                      "use the full-width mark")

    # Texts English repeats (the classic and redesigned dialogs, the Cancel
    # buttons) stay the same in each language.
    for names_alike in same_english.values():
        texts = {table[name] for name in names_alike if name in table}
        if len(texts) > 1:
            error(f"{where}: {', '.join(names_alike)} are one text in English but differ")

for name in sorted({name for _, name in identical_on_purpose}):
    if name not in english:
        error(f"glossary.md: {name} is not a string id")

if errors:
    print("\n".join(errors), file=sys.stderr)
    sys.exit(f"string tables: {len(errors)} fault(s)")
print(f"string tables: {len(english)} English strings, one per id; "
      f"{len(LANGUAGES) - 1} languages checked against them")
PY
