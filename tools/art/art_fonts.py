"""The three interface fonts: DejaVu Sans subset to the interface's
characters and renamed, so that CreateFontW finds each by its face name once
the program has added it from its resources."""
from fontTools import subset
from fontTools.ttLib import TTFont

DEJAVU = "/usr/share/fonts/truetype/dejavu/"

# (output file, face name, source font, OS/2 weight class, hinting kept).
# The body text is set at 12 and 13 pixels, where the hinting instructions
# keep stems sharp under GDI; the Install button's 18 pixels and the title's
# 34 read well unhinted, which saves a third of the font's size.
FONTS = [
    ("vs_geo_medium.ttf", "VS Geo Medium", DEJAVU + "DejaVuSansCondensed-Bold.ttf", 500, True),
    ("vs_geo_regular.ttf", "VS Geo Regular", DEJAVU + "DejaVuSans.ttf", 400, False),
    ("vs_text.ttf", "VS Text", DEJAVU + "DejaVuSans.ttf", 400, True),
]


def read_charset(path):
    """Code points from lines of U+XXXX or U+XXXX-YYYY; '#' starts a comment."""
    points = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            first, _, last = line[2:].partition("-")
            lo = int(first, 16)
            hi = int(last, 16) if last else lo
            points.update(range(lo, hi + 1))
    return sorted(points)


def rename(font, face, weight):
    """Sets the family, style, unique, full and PostScript names to |face|
    (Windows and Mac records) and drops the typographic family names."""
    name = font["name"]
    keep = {0, 13, 14}  # copyright and licence
    name.names = [n for n in name.names if n.nameID in keep]
    postscript = face.replace(" ", "") + "-Regular"
    values = {1: face, 2: "Regular", 3: face + " Regular", 4: face, 6: postscript}
    for name_id, value in values.items():
        name.setName(value, name_id, 3, 1, 0x409)
        name.setName(value, name_id, 1, 0, 0)
    os2 = font["OS/2"]
    os2.usWeightClass = weight
    os2.fsSelection = (os2.fsSelection & ~0b1100001) | 0b1000000  # regular, not bold/italic
    font["head"].macStyle = 0
    if "CFF " not in font and "post" in font:
        font["post"].formatType = 3.0  # no glyph names: smaller, not needed


def make_font(source, out_path, face, weight, points, hinting=True):
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.hinting = hinting
    options.glyph_names = False
    options.notdef_outline = True
    options.recalc_timestamp = False
    options.layout_features = ["kern", "liga", "locl", "ccmp", "mark", "mkmk"]
    options.drop_tables += ["FFTM", "DSIG"]
    font = TTFont(source, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=points)
    subsetter.subset(font)
    rename(font, face, weight)
    font.save(out_path, reorderTables=True)
    font.close()


def make_fonts(out_dir, charset_path):
    points = read_charset(charset_path)
    made = []
    for file_name, face, source, weight, hinting in FONTS:
        path = out_dir + "/" + file_name
        make_font(source, path, face, weight, points, hinting)
        made.append(path)
    return made
