"""The gallery of window screenshots: build/gallery/*.png and an index.html
with one table, the screens down and the scale factors across."""
import html
import os

FACTORS = ("1", "1.5", "2")
ROWS = [(f"first-v{variant}", f"First screen, variant {variant}") for variant in range(4)]
ROWS += [("progress", "Progress screen")]
VARIANTS = {
    0: "tag has def and stat: no check boxes",
    1: "tag has stat: make-default check box",
    2: "tag has def: statistics check box and privacy link",
    3: "no def, no stat: both check boxes",
}


def directory():
    path = os.environ.get("LITE_GALLERY_DIR") or os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "build", "gallery")
    os.makedirs(path, exist_ok=True)
    return path


def image_path(name):
    return os.path.join(directory(), name + ".png")


DIALOG_KINDS = [(0, "a newer version is installed"), (3, "corporate user, newer version"),
                (4, "corporate user, browser exists"), (5, "corporate browser exists"),
                (6, "outdated CryptoPro provider"), (7, "failed, download offered"),
                (8, "resume prompt"), (9, "64-bit setup on 32-bit Windows"),
                (10, "installed in Program Files"), (11, "folder locked"),
                (13, "failed, see the log file"), (100, "not enough disk space (classic only)")]
DIALOG_COLUMNS = [(style, lang, factor) for style in ("redesigned", "classic")
                  for lang in ("en", "ru") for factor in ("1", "2")]
# The interface languages by their codes, English first.
LANGUAGES = ["en", "ru", "pt-PT", "pt-BR", "zh-CN", "zh-TW", "uk", "tr", "cs", "de", "es", "fr",
             "it", "ja", "kk", "uz"]


def _cell(name, width):
    if os.path.exists(os.path.join(directory(), name)):
        return f'<td><a href="{name}"><img src="{name}" width="{width}"></a></td>'
    return "<td>not taken</td>"


def _dialog_table():
    header = "".join(f"<th>{style}<br>{lang}, factor {factor}</th>"
                     for style, lang, factor in DIALOG_COLUMNS)
    rows = []
    for kind, label in DIALOG_KINDS:
        row = [f"<th>{kind}<br><small>{html.escape(label)}</small></th>"]
        row += [_cell(f"dialog-{style}-{kind}-{lang}-f{factor}.png", 220)
                for style, lang, factor in DIALOG_COLUMNS]
        rows.append("<tr>" + "".join(row) + "</tr>")
    return f"<table><tr><th>kind</th>{header}</tr>\n" + "\n".join(rows) + "</table>"


def _language_table():
    rows = []
    for lang in LANGUAGES:
        row = [f"<th>{lang}</th>", _cell(f"lang-{lang}-first.png", 401),
               _cell(f"lang-{lang}-progress.png", 401)]
        rows.append("<tr>" + "".join(row) + "</tr>")
    return ("<table><tr><th>language</th><th>first screen</th><th>progress screen</th></tr>\n" +
            "\n".join(rows) + "</table>")


def write_index():
    """Writes index.html over the screenshots that exist now."""
    cells = []
    for stem, label in ROWS:
        note = ""
        if stem.startswith("first-v"):
            note = "<br><small>" + html.escape(VARIANTS[int(stem[-1])]) + "</small>"
        row = [f"<th>{html.escape(label)}{note}</th>"]
        for factor in FACTORS:
            name = f"{stem}-f{factor}.png"
            if os.path.exists(os.path.join(directory(), name)):
                row.append(f'<td><a href="{name}"><img src="{name}" width="401"></a></td>')
            else:
                row.append("<td>not taken</td>")
        cells.append("<tr>" + "".join(row) + "</tr>")
    header = "".join(f"<th>factor {factor}</th>" for factor in FACTORS)
    page = f"""<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Installer window gallery</title>
<style>body{{font-family:sans-serif;background:#eee}} td,th{{padding:8px;vertical-align:top}}
img{{border:1px solid #ccc;background:#fff}}</style></head>
<body><h1>Installer window under Wine</h1>
<p>Screenshots by the window tests (Xvfb with a compositing manager); each shows the
window and its shadow margin. Click a picture for its full size.</p>
<table><tr><th></th>{header}</tr>
{chr(10).join(cells)}
</table>
<h2>Message dialogs</h2>
<p>Every kind in the redesigned and the classic style (the classic table has no kind
numbers of its own: 6 is its CryptoPro dialog, 9, 10, 11 and 13 its installation-error
dialog with the error's text, 7 its download dialog).</p>
{_dialog_table()}
<h2>Languages</h2>
<p>The first screen and the progress screen in every interface language, factor 1.</p>
{_language_table()}
</body></html>
"""
    with open(os.path.join(directory(), "index.html"), "w") as index:
        index.write(page)
