"""The slides the installer downloads for its progress screen, in the style
of the built-in slide (art_backgrounds.builtin_slide) and at its 2x size:
one feature each (fast pages, protection, synchronised devices), drawn on the
right, fading into the calm background toward the left, where the progress
bar and its text sit."""
import numpy as np
from PIL import Image, ImageDraw

from art_backgrounds import (LAVENDER, PANEL, PILL, SS, H, W, _compose, base_gradient,
                             browser_card, card, hero_block, orb, page_lines)
from art_base import (ACCENT, ACCENT_HOT, WHITE, YELLOW, Surface, mix, rgba, soft_shadow,
                      vertical_gradient_shape)

DARK_ACCENT = mix(ACCENT, (0, 0, 0), 0.15)
SOFT_ACCENT = mix(ACCENT, WHITE, 0.55)


def _polygon(s, points, fill):
    s.draw.polygon([(x * SS, y * SS) for x, y in points], fill=fill)


def _gradient_polygon(s, points, top, bottom):
    """A polygon shaded from |top| to |bottom| over its height."""
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    x0, y0, x1, y1 = int(min(xs)), int(min(ys)), int(max(xs)) + 1, int(max(ys)) + 1
    w, h = (x1 - x0) * SS, (y1 - y0) * SS
    shade = vertical_gradient_shape((w, h), (0, 0, w, h), 0, top, bottom, 1)
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).polygon([((x - x0) * SS, (y - y0) * SS) for x, y in points], fill=255)
    shade.putalpha(mask)
    s.image.alpha_composite(shade, (x0 * SS, y0 * SS))


def _glow(s, box, radius, blur, opacity, colour=(20, 24, 40)):
    """A soft blurred shape composited over what is drawn already (a shadow,
    or a coloured glow)."""
    shade = soft_shadow((W, H), box, radius, blur, opacity, colour)
    s.image.alpha_composite(shade.resize((W * SS, H * SS), Image.BILINEAR))


def _back_card(s, box, radius=24):
    """A lighter window card with a title strip, for depth."""
    x0, y0, x1, y1 = box
    card(s, box, radius, rgba(mix(WHITE, PANEL, 0.4)), 0.10)
    s.rounded((x0, y0, x1, y0 + 52), radius, rgba(PANEL))
    s.rect((x0, y0 + 30, x1, y0 + 52), rgba(PANEL))
    for i, c in enumerate((ACCENT, YELLOW, SOFT_ACCENT)):
        s.ellipse((x0 + 24 + i * 26, y0 + 18, x0 + 40 + i * 26, y0 + 34), rgba(c, 150))


def _streaks(s, rows, right):
    for y, length, alpha in rows:
        s.rounded((right - length, y, right, y + 14), 7, rgba(SOFT_ACCENT, alpha))


def fast_pages():
    """Pages arriving one after another, with a lightning badge."""
    s = Surface(W, H, SS)
    _back_card(s, (1200, 110, 1540, 380))
    _back_card(s, (1100, 170, 1470, 450))
    _streaks(s, [(330, 220, 100), (390, 300, 85), (470, 180, 70), (560, 260, 60)], 960)
    x, y = 970, 250
    browser_card(s, x, y, 470, 400, tabs=2)
    hero_block(s, (x + 26, y + 150, x + 444, y + 270))
    page_lines(s, x + 26, y + 300, [300, 360, 220])
    cx, cy, r = 1450, 600, 84
    card(s, (cx - r, cy - r, cx + r, cy + r), r, rgba(WHITE), 0.18, 24)
    orb(s, cx, cy, r - 18, ACCENT_HOT, DARK_ACCENT)
    bolt = [(12, -42), (-26, 8), (-2, 8), (-12, 44), (28, -10), (4, -10)]
    _polygon(s, [(cx + px, cy + py) for px, py in bolt], rgba(WHITE))
    s.rounded((1500, 420, 1548, 468), 12, rgba(YELLOW, 230))
    s.ellipse((960, 150, 1010, 200), rgba(ACCENT, 200))
    return s


def _shield_points(cx, top, w, h, n=24):
    """A shield: a flat top with rounded shoulders, sides that curve in to a
    point at the bottom."""
    half, r = w / 2, 34
    shoulder = [(cx + half - r + r * np.sin(t), top + r - r * np.cos(t))
                for t in np.linspace(0, np.pi / 2, 10)]
    pts = [(2 * cx - px, py) for px, py in reversed(shoulder)] + shoulder
    right = []
    for i in range(1, n + 1):
        t = i / n
        right.append((cx + half * np.cos(t * np.pi / 2) ** 0.8, top + r + (h - r) * t))
    pts += right
    pts += [(2 * cx - px, py) for px, py in reversed(right[:-1])]
    return pts


def protection():
    """A browser card guarded by a shield with a check mark."""
    s = Surface(W, H, SS)
    cx, cy = 1400, 470
    # A soft lavender glow around the shield, under everything else.
    _glow(s, (cx - 200, cy - 200, cx + 200, cy + 200), 200, 50, 0.75, LAVENDER)
    x, y = 960, 170
    browser_card(s, x, y, 480, 440, tabs=2)
    # A padlock in the address bar.
    s.rounded((x + 42, y + 106, x + 56, y + 116), 2, rgba(WHITE))
    s.draw.arc([(x + 44) * SS, (y + 99) * SS, (x + 54) * SS, (y + 111) * SS], 180, 360,
               fill=rgba(WHITE), width=2 * SS)
    hero_block(s, (x + 26, y + 150, x + 454, y + 290))
    page_lines(s, x + 26, y + 320, [260, 330, 200])
    _glow(s, (cx - 110, cy - 110, cx + 110, cy + 150), 90, 26, 0.24)
    outer = _shield_points(cx, cy - 150, 250, 300)
    _gradient_polygon(s, outer, ACCENT_HOT, DARK_ACCENT)
    inner = _shield_points(cx, cy - 122, 196, 240)
    _gradient_polygon(s, inner, mix(ACCENT_HOT, WHITE, 0.12), ACCENT)
    s.polyline([(cx - 44, cy - 4), (cx - 10, cy + 30), (cx + 50, cy - 36)], 20, rgba(WHITE))
    s.rounded((930, 120, 978, 168), 12, rgba(YELLOW, 230))
    orb(s, 1565, 230, 20, mix(ACCENT_HOT, WHITE, 0.5), mix(ACCENT, WHITE, 0.4))
    return s


def _screen(s, box, radius, strip):
    """A device's screen showing the same page as the others."""
    x0, y0, x1, y1 = box
    w = x1 - x0
    s.rounded((x0, y0, x1, y0 + strip), radius, rgba(PANEL))
    s.rect((x0, y0 + strip * 0.5, x1, y0 + strip), rgba(PANEL))
    s.ellipse((x0 + 16, y0 + strip / 2 - 7, x0 + 30, y0 + strip / 2 + 7), rgba(ACCENT))
    s.rounded((x0 + 40, y0 + strip / 2 - 4, x0 + w * 0.5, y0 + strip / 2 + 4), 4, rgba(PILL))
    pad = max(14, int(w * 0.06))
    top = y0 + strip + pad
    banner = int((y1 - top) * 0.42)
    hero_block(s, (x0 + pad, top, x1 - pad, top + banner), 14)
    gap = max(22, int((y1 - top - banner) / 4))
    rows = max(1, int((y1 - top - banner - pad) // gap))
    widths = [(w - 2 * pad) * f for f in (0.8, 0.6, 0.7)][:rows]
    page_lines(s, x0 + pad, top + banner + pad, widths, gap)


def _arrow_head(s, cx, cy, r, degrees, size, fill):
    a = np.radians(degrees)
    px, py = cx + r * np.cos(a), cy + r * np.sin(a)
    dx, dy = -np.sin(a), np.cos(a)  # clockwise along the circle
    nx, ny = np.cos(a), np.sin(a)
    _polygon(s, [(px + dx * size, py + dy * size), (px + nx * size * 0.9, py + ny * size * 0.9),
                 (px - nx * size * 0.9, py - ny * size * 0.9)], fill)


def synchronised_devices():
    """A laptop, a tablet and a phone showing the same page, joined by a
    sync badge."""
    s = Surface(W, H, SS)
    lx0, ly0, lx1, ly1 = 1010, 120, 1400, 380
    _glow(s, (lx0 - 30, ly1, lx1 + 30, ly1 + 40), 14, 16, 0.18)
    card(s, (lx0, ly0, lx1, ly1), 22, rgba(WHITE))
    _screen(s, (lx0, ly0, lx1, ly1), 22, 44)
    base = mix(PILL, (0xA3, 0xA9, 0xB5), 0.35)
    s.rounded((lx0 - 30, ly1 + 4, lx1 + 30, ly1 + 30), 12, rgba(base))
    s.rect((lx0 - 30, ly1 + 4, lx1 + 30, ly1 + 12), rgba(mix(base, WHITE, 0.45)))
    s.rounded(((lx0 + lx1) / 2 - 56, ly1 + 4, (lx0 + lx1) / 2 + 56, ly1 + 14), 5,
              rgba(mix(base, (0, 0, 0), 0.06)))
    tx0, ty0, tx1, ty1 = 1050, 470, 1320, 680
    card(s, (tx0, ty0, tx1, ty1), 24, rgba(WHITE))
    _screen(s, (tx0 + 12, ty0 + 12, tx1 - 12, ty1 - 12), 16, 34)
    px0, py0, px1, py1 = 1440, 250, 1580, 540
    card(s, (px0, py0, px1, py1), 28, rgba(WHITE))
    s.rounded(((px0 + px1) / 2 - 22, py0 + 14, (px0 + px1) / 2 + 22, py0 + 22), 4, rgba(PILL))
    _screen(s, (px0 + 10, py0 + 34, px1 - 10, py1 - 14), 14, 30)
    cx, cy, r = 1410, 630, 74
    card(s, (cx - r, cy - r, cx + r, cy + r), r, rgba(WHITE), 0.18, 24)
    ring = r - 28
    box = [(cx - ring) * SS, (cy - ring) * SS, (cx + ring) * SS, (cy + ring) * SS]
    for start, end in ((200, 325), (20, 145)):
        s.draw.arc(box, start, end, fill=rgba(ACCENT), width=11 * SS)
        _arrow_head(s, cx, cy, ring - 5.5, end, 17, rgba(ACCENT))
    s.ellipse((950, 440, 998, 488), rgba(ACCENT_HOT, 210))
    s.rounded((1510, 620, 1554, 664), 12, rgba(YELLOW, 230))
    return s


SLIDES = [("02", fast_pages, (1260, 400)), ("03", protection, (1330, 430)),
          ("04", synchronised_devices, (1260, 420))]


def slides():
    """(number, opaque RGB picture of W x H) of every downloadable slide."""
    return [(number, _compose(base_gradient(*glow), motif(), 720, 1060))
            for number, motif, glow in SLIDES]
