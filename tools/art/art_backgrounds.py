"""The first-screen backgrounds and the built-in slide (1604 x 860, drawn
natively at 2x): a calm light gradient whose left 60% stays quiet for the
texts, and on the right a soft abstract browser illustration that fades into
the background toward the left."""
import numpy as np
from PIL import Image

from art_base import (ACCENT, ACCENT_HOT, BACKGROUND_FAR, BACKGROUND_LIGHT, WHITE, YELLOW,
                      Surface, blend_colour, fade_alpha, field, mix, rgba, smoothstep,
                      soft_shadow, to_image, vertical_gradient_shape)

W, H = 1604, 860
SS = 2
LAVENDER = (0xE4, 0xDE, 0xFB)
MIST = (0xDD, 0xE6, 0xF5)
PANEL = (0xF1, 0xF3, 0xF7)
PILL = (0xE3, 0xE7, 0xEE)


def base_gradient(glow_x, glow_y):
    """The background: light on the left, toward #E8ECF3 on the right and
    bottom, with two very soft colour glows behind the illustration."""
    def fn(x, y):
        t = smoothstep(0.25, 1.05, x / W * 0.8 + y / H * 0.35)
        rgb = np.zeros(x.shape + (3,))
        rgb[...] = BACKGROUND_LIGHT
        rgb = blend_colour(rgb, BACKGROUND_FAR, t)
        d1 = np.hypot((x - glow_x) / 520.0, (y - glow_y) / 420.0)
        rgb = blend_colour(rgb, LAVENDER, 0.55 * np.exp(-d1 * d1 * 1.6))
        d2 = np.hypot((x - glow_x - 260) / 380.0, (y - glow_y + 240) / 300.0)
        rgb = blend_colour(rgb, MIST, 0.45 * np.exp(-d2 * d2 * 1.8))
        # A wide, faint ring around the illustration adds depth to the field.
        ring = np.hypot(x - glow_x, y - glow_y) - 560.0
        rgb = blend_colour(rgb, WHITE, 0.35 * np.exp(-(ring / 70.0) ** 2) *
                           smoothstep(600, 1000, x))
        # The text area on the left stays at its lightest.
        d3 = np.hypot(x / 900.0, (y - 380) / 700.0)
        return blend_colour(rgb, BACKGROUND_LIGHT, 0.6 * np.exp(-d3 * d3 * 2.0))
    return field(W, H, fn)


def card(layer, box, radius, fill, shadow_opacity=0.16, blur=26):
    """A rounded card with a soft shadow beneath it."""
    x0, y0, x1, y1 = box
    shade = soft_shadow((W, H), (x0 + 4, y0 + 18, x1 - 4, y1 + 22), radius, blur, shadow_opacity)
    layer.image.alpha_composite(shade.resize((W * SS, H * SS), Image.BILINEAR))
    layer.rounded(box, radius, fill)


def browser_card(s, x, y, w, h, tabs=2):
    """A window card with a tab strip, an address bar and content blocks."""
    r = 26
    card(s, (x, y, x + w, y + h), r, rgba(WHITE))
    s.rounded((x, y, x + w, y + 64), r, rgba(PANEL))
    s.rect((x, y + 40, x + w, y + 64), rgba(PANEL))
    # Tabs: the active one white and joined to the page, one or two inactive.
    step = min(200, (w - 60) // tabs)
    s.rounded((x + 22, y + 16, x + 12 + step, y + 72), 14, rgba(WHITE))
    s.ellipse((x + 40, y + 32, x + 60, y + 52), rgba(ACCENT))
    s.rounded((x + 72, y + 37, x + step - 28, y + 47), 5, rgba(PILL))
    for i in range(1, tabs):
        tx = x + 22 + i * step
        s.rounded((tx, y + 22, tx + step - 30, y + 64), 14, rgba(mix(PANEL, PILL, 0.5)))
        s.ellipse((tx + 18, y + 34, tx + 36, y + 52), rgba((YELLOW, ACCENT_HOT)[i % 2]))
        s.rounded((tx + 48, y + 38, tx + step - 70, y + 47), 5, rgba(PILL))
    # Address bar.
    s.rounded((x + 26, y + 88, x + w - 26, y + 126), 19, rgba(PANEL))
    s.ellipse((x + 40, y + 98, x + 58, y + 116), rgba(mix(ACCENT, WHITE, 0.55)))
    s.rounded((x + 72, y + 102, x + w * 0.55, y + 112), 5, rgba(PILL))


def hero_block(s, box, radius=20):
    """A content block with a soft accent gradient (a banner on the page)."""
    x0, y0, x1, y1 = [int(v) for v in box]
    w, h = x1 - x0, y1 - y0

    def fn(x, y):
        rgb = np.zeros(x.shape + (3,))
        rgb[...] = LAVENDER
        rgb = blend_colour(rgb, MIST, np.clip(x / w, 0, 1))
        d = np.hypot((x - w * 0.78) / (w * 0.35), (y - h * 0.3) / (h * 0.7))
        return blend_colour(rgb, mix(ACCENT_HOT, WHITE, 0.35), 0.55 * np.exp(-d * d * 1.5))
    block = to_image(field(w * SS, h * SS, lambda x, y: fn(x / SS, y / SS)))
    mask = Surface(w, h, SS)
    mask.rounded((0, 0, w, h), radius, (255, 255, 255, 255))
    block.putalpha(mask.image.split()[3])
    s.image.alpha_composite(block, (x0 * SS, y0 * SS))


def page_lines(s, x, y, widths, gap=30):
    for i, w in enumerate(widths):
        s.rounded((x, y + i * gap, x + w, y + i * gap + 14), 7, rgba(PILL))


def orb(s, cx, cy, r, top, bottom, alpha=255):
    """A sphere-like accent: a circle shaded from |top| to |bottom|."""
    size = round(2 * r * SS)
    shape = vertical_gradient_shape((size, size), (0, 0, size, size), size / 2, top, bottom, 2)
    if alpha < 255:
        shape = fade_alpha(shape, alpha / 255.0)
    s.image.alpha_composite(shape, (round((cx - r) * SS), round((cy - r) * SS)))


def accents(s, dx, dy):
    """A few accent-coloured shapes around the cards."""
    orb(s, 1500 + dx, 150 + dy, 44, ACCENT_HOT, mix(ACCENT, (0, 0, 0), 0.1))
    tile = vertical_gradient_shape((48 * SS, 48 * SS), (0, 0, 48 * SS, 48 * SS), 13 * SS,
                                   mix(YELLOW, WHITE, 0.2), YELLOW, 2)
    s.image.alpha_composite(tile, ((946 + dx) * SS, (176 + dy) * SS))
    orb(s, 1560 + dx, 500 + dy, 18, mix(ACCENT_HOT, WHITE, 0.5), mix(ACCENT, WHITE, 0.4))


def first_screen_motif(dy):
    s = Surface(W, H, SS)
    dx = 0
    # The back card and the accents move less, so that the orb stays clear
    # of the close button.
    back_dy = max(dy, -30)
    # A second window card behind, slightly lighter, for depth.
    bx, by = 1130 + dx, 120 + back_dy
    card(s, (bx, by, bx + 420, by + 340), 26, rgba(mix(WHITE, PANEL, 0.4)), 0.10)
    s.rounded((bx, by, bx + 420, by + 56), 26, rgba(PANEL))
    s.rect((bx, by + 32, bx + 420, by + 56), rgba(PANEL))
    for i, c in enumerate((ACCENT, YELLOW, mix(ACCENT, WHITE, 0.5))):
        s.ellipse((bx + 26 + i * 26, by + 20, bx + 42 + i * 26, by + 36), rgba(c, 150))
    page_lines(s, bx + 250, by + 90, [140, 110, 130, 90])
    accents(s, dx, back_dy)
    x, y = 990 + dx, 240 + dy
    browser_card(s, x, y, 500, 380, tabs=2)
    hero_block(s, (x + 26, y + 150, x + 474, y + 286))
    page_lines(s, x + 26, y + 314, [300, 380])
    # A small front card, e.g. a download or a protection note.
    fx, fy = 1370 + dx, 540 + dy
    card(s, (fx, fy, fx + 190, fy + 150), 22, rgba(WHITE), 0.18, 22)
    s.ellipse((fx + 24, fy + 26, fx + 74, fy + 76), rgba(ACCENT))
    s.polyline([(fx + 38, fy + 52), (fx + 47, fy + 61), (fx + 61, fy + 43)], 5, rgba(WHITE))
    page_lines(s, fx + 24, fy + 96, [140, 100], 24)
    return s


def slide_motif(russian):
    """The built-in slide: fast pages, a browser card with motion streaks and
    a speed dial. The Russian variant arranges the front card differently."""
    s = Surface(W, H, SS)
    for i, (yy, length, a) in enumerate([(300, 260, 110), (360, 200, 80), (430, 300, 95),
                                         (520, 180, 70), (580, 240, 60)]):
        s.rounded((930 - length, yy, 990, yy + 14), 7, rgba(mix(ACCENT, WHITE, 0.45), a))
    x, y = 1000, 180
    browser_card(s, x, y, 520, 460, tabs=3)
    hero_block(s, (x + 26, y + 150, x + 494, y + 300))
    page_lines(s, x + 26, y + 330, [320, 400, 260])
    # The speed dial: a ring with an accent arc and a needle.
    cx, cy, r = 1420, 600, 96
    card(s, (cx - r - 20, cy - r - 20, cx + r + 20, cy + r + 20), r + 20, rgba(WHITE), 0.18, 24)
    s.ellipse((cx - r, cy - r, cx + r, cy + r), rgba(mix(ACCENT, WHITE, 0.8)))
    s.ellipse((cx - r + 16, cy - r + 16, cx + r - 16, cy + r - 16), rgba(WHITE))
    s.draw.arc([(cx - r + 1) * SS, (cy - r + 1) * SS, (cx + r - 1) * SS, (cy + r - 1) * SS],
               144, 333, fill=rgba(ACCENT), width=16 * SS)
    for a in (np.pi * 0.8, np.pi * 1.85):
        ex, ey = cx + (r - 8) * np.cos(a), cy + (r - 8) * np.sin(a)
        s.ellipse((ex - 8, ey - 8, ex + 8, ey + 8), rgba(ACCENT))
    tip = (cx + (r - 34) * np.cos(np.pi * 1.75), cy + (r - 34) * np.sin(np.pi * 1.75))
    s.polyline([(cx, cy), tip], 9, rgba(mix(ACCENT, (0, 0, 0), 0.2)))
    s.ellipse((cx - 14, cy - 14, cx + 14, cy + 14), rgba(ACCENT))
    if russian:
        s.rounded((960, 120, 1010, 170), 12, rgba(YELLOW, 230))
        s.ellipse((1480, 110, 1540, 170), rgba(ACCENT_HOT, 220))
    else:
        s.ellipse((950, 120, 1010, 180), rgba(ACCENT, 220))
        s.rounded((1492, 120, 1540, 168), 12, rgba(YELLOW, 230))
    return s


def _compose(base, motif, fade_from, fade_to):
    layer = motif.result(smooth=True)
    mask = field(W, H, lambda x, y: smoothstep(fade_from, fade_to, x))
    layer = fade_alpha(layer, mask)
    out = to_image(base).convert("RGBA")
    out.alpha_composite(layer)
    return out.convert("RGB")


def first_screen(off_variant):
    # The first screen keeps the bottom right free for the licence line; the
    # first-screen-off variant has no licence line and sits lower.
    dy = 80 if off_variant else -80
    base = base_gradient(1280, 420 + dy)
    return _compose(base, first_screen_motif(dy), 880, 1120)


def builtin_slide(russian):
    base = base_gradient(1260, 400)
    return _compose(base, slide_motif(russian), 720, 1060)


def with_border(image, rounded, scale=2):
    """The window's one-pixel (design) border drawn on the picture's edge.
    A rounded picture is transparent outside its rounded corners: the shadow
    window copies the picture's edges over the window's jagged region, and
    the corners come out smooth."""
    colour = rgba((0xC9, 0xCF, 0xDA))
    b = scale
    coverage = None
    if rounded:
        ring = Surface(W, H, 2)
        ring.rounded((0, 0, W, H), 9 * scale, (255, 255, 255, 255))
        inner = Surface(W, H, 2)
        inner.rounded((b, b, W - b, H - b), 9 * scale - b, (255, 255, 255, 255))
        outer_a = np.asarray(ring.result())[..., 3].astype(np.float64)
        inner_a = np.asarray(inner.result())[..., 3].astype(np.float64)
        weight = np.clip(outer_a - inner_a, 0, 255) / 255.0
        coverage = outer_a
    else:
        weight = np.zeros((H, W))
        weight[:b, :] = weight[-b:, :] = 1.0
        weight[:, :b] = weight[:, -b:] = 1.0
    arr = np.asarray(image).astype(np.float64)
    arr = blend_colour(arr, colour[:3], weight)
    out = to_image(arr)
    if coverage is not None:
        out = out.convert("RGBA")
        out.putalpha(Image.fromarray(np.clip(np.rint(coverage), 0, 255).astype(np.uint8), "L"))
    return out
