"""The logo (mark and wordmark) and the program icon made of the mark.

The wordmark is rendered from the title font at build time, so the picture
carries the letters as shapes and nothing depends on a font at run time."""
import io
import struct

from PIL import Image, ImageFont

from art_base import ACCENT_HOT, ACCENT_PRESSED, WHITE, WORDMARK, Surface, mix, rgba, vertical_gradient_shape

SS = 4


def draw_mark(s, x, y, size):
    """The mark on surface |s|: a stylised V in a rounded accent square, a
    little lighter at the top."""
    r = size * 0.26
    ss = s.ss
    shape = vertical_gradient_shape((round(size * ss), round(size * ss)),
                                    (0, 0, size * ss, size * ss), r * ss, ACCENT_HOT,
                                    mix(ACCENT_HOT, ACCENT_PRESSED, 0.75), ss=1)
    s.image.alpha_composite(shape, (round(x * ss), round(y * ss)))
    width = max(size * 0.15, 1.9)
    s.polyline([(x + size * 0.27, y + size * 0.30), (x + size * 0.5, y + size * 0.71),
                (x + size * 0.73, y + size * 0.30)], width, rgba(WHITE))


def logo(scale, word, font_path):
    w, h = 160 * scale, (22 if scale == 1 else 40)
    s = Surface(w, h, SS)
    mark = 20 if scale == 1 else 36
    top = (h - mark) / 2
    draw_mark(s, 0, top, mark)
    # The wordmark: cap height about 70% of the mark, centred on it.
    font = ImageFont.truetype(font_path, round(mark * 0.98 * SS))
    left, cap_top, right, base = font.getbbox("V", anchor="ls")
    cap = -cap_top
    x = (mark + 6 * scale) * SS
    baseline = (top + mark / 2) * SS + cap / 2
    s.draw.text((x, baseline), word, font=font, fill=rgba(WORDMARK), anchor="ls")
    return s.result()


def icon_image(size):
    s = Surface(size, size, 8)
    inset = 0 if size <= 24 else size / 32
    draw_mark(s, inset, inset, size - 2 * inset)
    return s.result()


def _dib_entry(image):
    """A 32-bit bottom-up DIB with an all-zero AND mask, as Windows XP reads."""
    w, h = image.size
    pixels = image.transpose(Image.FLIP_TOP_BOTTOM).tobytes("raw", "BGRA")
    mask_row = ((w + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(pixels), 0, 0, 0, 0)
    return header + pixels + bytes(mask_row * h)


def write_icon(path, sizes):
    """An .ico with the mark drawn natively at every size; 256 as PNG."""
    entries = []
    for size in sizes:
        image = icon_image(size)
        if size >= 256:
            buf = io.BytesIO()
            image.save(buf, "PNG", optimize=True)
            data = buf.getvalue()
        else:
            data = _dib_entry(image)
        entries.append((size, data))
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, data in entries:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in entries:
        out += data
    with open(path, "wb") as f:
        f.write(out)
    return icon_image(max(sizes))
