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
</table></body></html>
"""
    with open(os.path.join(directory(), "index.html"), "w") as index:
        index.write(page)
