"""The message dialogs' pictures: the redesigned dialog's background, button
sprites, close button and shadow pieces, and the classic dialog's background
with its own drawn shadow and its two button sprites.

Button frames are stretched by the program: it keeps END design pixels at
each end of a frame and stretches the middle horizontally, and it may stretch
a frame a little vertically. So every frame's middle columns are identical
(flat fill, a vertical gradient at most) and its rounded ends fit in END."""
import numpy as np

import art_controls
import art_shadow
from art_base import (ACCENT, GREY_BUTTON, GREY_BUTTON_HOT, GREY_BUTTON_PRESSED, LINE, WHITE,
                      YELLOW, YELLOW_HOT, YELLOW_PRESSED, Surface, field, mix, smoothstep,
                      to_image, vertical_gradient_shape)

BLACK = (0, 0, 0)
END = 8  # design pixels the program keeps at each end of a button frame
SHADOW_COLOUR = (20, 24, 40)

# The redesigned dialog's shadow is cut from one rendering at 2x: the window
# is 920 x 468 (460 x 234 at 1x), margin 16, border 2; the program stretches
# each piece into its rectangle.
DIALOG_2X = (920, 468)
SHADOW_MARGIN = 16
SHADOW_BORDER = 2
SHADOW_RADIUS = 32  # Windows 8 and later; square corners before
SHADOW_DROP = 2


def _coverage(w, h, box, radius):
    """0..1 anti-aliased coverage of a rounded rectangle."""
    s = Surface(w, h)
    s.rounded(box, radius, (255, 255, 255, 255))
    return np.asarray(s.result())[..., 3].astype(np.float64) / 255.0


def button_frame(w, h, k, radius, top, bottom, border, border_alpha, highlight_alpha):
    """One w x h frame: a rounded rectangle shaded from |top| to |bottom|,
    a k-pixel |border| and a faint white line inside its upper edge."""
    frame = vertical_gradient_shape((w, h), (0, 0, w, h), radius, top, bottom)
    arr = np.asarray(frame).astype(np.float64)
    rgb, alpha = arr[..., :3], arr[..., 3]
    outer = alpha / 255.0
    inner = _coverage(w, h, (k, k, w - k, h - k), max(0, radius - k))
    ring = np.clip(outer - inner, 0.0, 1.0) * (border_alpha / 255.0)
    # The line under the top border, only where the border runs straight.
    line = np.zeros((h, w))
    line[k:2 * k, radius:w - radius] = highlight_alpha / 255.0
    rgb = rgb + (np.array(WHITE, np.float64) - rgb) * line[..., None]
    rgb = rgb + (np.array(border, np.float64) - rgb) * (ring / np.maximum(outer, 1e-9))[..., None]
    return to_image(rgb, alpha)


def _sprite(scale, w, h, radius, states):
    k = scale
    return art_controls.sprite([button_frame(w * k, h * k, k, radius * k, *state)
                                for state in states])


def dialog_button(scale, colours):
    """Three 100 x 35 frames (normal, hot, pressed), radius 6."""
    states = []
    for i, colour in enumerate(colours):
        pressed = i == 2
        top = mix(colour, WHITE, 0.04 if pressed else 0.16)
        bottom = mix(colour, BLACK, 0.02)
        border = mix(colour, BLACK, 0.22)
        states.append((top, bottom, border, 110, 0 if pressed else 70))
    return _sprite(scale, 100, 35, 6, states)


def primary_button(scale):
    return dialog_button(scale, (YELLOW, YELLOW_HOT, YELLOW_PRESSED))


def secondary_button(scale):
    return dialog_button(scale, (GREY_BUTTON, GREY_BUTTON_HOT, GREY_BUTTON_PRESSED))


def dialog_background():
    """460 x 234, white at the top to a barely darker cool white below."""
    w, h = 460, 234
    bottom = np.array((246, 247, 250), np.float64)

    def fn(x, y):
        t = (y / h)[..., None]
        return 255.0 + (bottom - 255.0) * t
    rgb = field(w, h, fn)
    return to_image(rgb, np.full((h, w), 255.0))


def shadow_pieces(radius):
    """Corners top-left, top-right, bottom-right, bottom-left, then edges
    left, top, right, bottom, cut from one 2x rendering."""
    m, b, r = SHADOW_MARGIN, SHADOW_BORDER, radius
    w, h = DIALOG_2X
    c = r + b + m
    W, H = w + 2 * m, h + 2 * m
    shadow = art_shadow.render(w, h, m, r, SHADOW_DROP)
    rects = [(0, 0, c, c), (m + w - r - b, 0, W, c), (m + w - r - b, m + h - r - b, W, H),
             (0, m + h - r - b, c, H),
             (0, c, m + b, m + h - r - b), (c, 0, m + w - r - b, m + b),
             (m + w - b, c, W, m + h - r - b), (c, m + h - b, m + w - r - b, H)]
    return [shadow.crop(rect) for rect in rects]


# The classic dialog: a light square panel with a shadow of its own around
# it, 7 design pixels to the left, 6 right, 4 above and 8 below.
CLASSIC_SIZE = (410, 186)
CLASSIC_PANEL = (7, 4, 404, 178)
CLASSIC_PANEL_TOP = (252, 252, 253)
CLASSIC_PANEL_BOTTOM = (240, 242, 245)


def classic_background(scale):
    k = scale
    w, h = CLASSIC_SIZE[0] * k, CLASSIC_SIZE[1] * k
    x0, y0, x1, y1 = [v * k for v in CLASSIC_PANEL]

    def fn(x, y):
        # Distance outside the panel measured in units of that side's margin,
        # so the shadow reaches 0 exactly at the picture's edge on every side.
        dx = np.where(x < x0, (x0 - x) / x0, np.where(x > x1, (x - x1) / (w - x1), 0.0))
        dy = np.where(y < y0, (y0 - y) / y0, np.where(y > y1, (y - y1) / (h - y1), 0.0))
        d = np.hypot(dx, dy)
        # A little stronger below than above, as if lit from above; the
        # S-shaped fall is close to that of a blurred edge.
        strength = 0.26 + 0.10 * np.clip((y - y0) / (y1 - y0), 0.0, 1.0)
        return strength * (1.0 - smoothstep(0.0, 1.0, d))
    alpha = field(w, h, fn) * 255.0
    rgb = np.zeros((h, w, 3))
    rgb[...] = SHADOW_COLOUR
    t = ((np.arange(y0, y1, dtype=np.float64) + 0.5 - y0) / (y1 - y0))[:, None, None]
    top, bottom = np.array(CLASSIC_PANEL_TOP, np.float64), np.array(CLASSIC_PANEL_BOTTOM)
    panel = np.broadcast_to(top + (bottom - top) * t, (y1 - y0, x1 - x0, 3)).copy()
    border = mix(LINE, WHITE, 0.25)
    panel[:k, :] = panel[-k:, :] = border
    panel[:, :k] = panel[:, -k:] = border
    rgb[y0:y1, x0:x1] = panel
    alpha[y0:y1, x0:x1] = 255.0
    return to_image(rgb, alpha)


def classic_button(scale, first):
    """Three 120 x 28 frames (normal, hot, pressed), light grey with a
    one-pixel border; the first button's border and shading a shade
    stronger than the second's."""
    border = mix(LINE, BLACK, 0.14) if first else LINE
    hot_border = mix(border, ACCENT, 0.25)
    depth = 1.0 if first else 0.7
    light, low = (250, 250, 251), (236, 238, 241)
    states = [(light, mix(light, (214, 218, 225), depth), border, 255, 90),
              (WHITE, mix(WHITE, (224, 229, 238), depth), hot_border, 255, 110),
              (mix(low, (218, 221, 227), depth), low, border, 255, 0)]
    return _sprite(scale, 120, 28, 2, states)


CORNERS = ["tl", "tr", "br", "bl"]
EDGES = ["left", "top", "right", "bottom"]


def pictures():
    """(file name, picture) of every dialog picture, in resource id order."""
    out = [("dialog_background.png", dialog_background())]
    for name, draw in (("dialog_primary_button", primary_button),
                       ("dialog_secondary_button", secondary_button),
                       ("dialog_close_button", art_controls.close_button)):
        out += [(name + ".png", draw(1)), (name + "_2x.png", draw(2))]
    for prefix, radius in (("dialog_shadow", SHADOW_RADIUS), ("dialog_square_shadow", 0)):
        names = ["corner_" + n for n in CORNERS] + ["edge_" + n for n in EDGES]
        out += [("%s_%s_2x.png" % (prefix, n), p)
                for n, p in zip(names, shadow_pieces(radius))]
    for scale, suffix in ((1, ""), (2, "_2x")):
        out += [("classic_dialog_background%s.png" % suffix, classic_background(scale)),
                ("classic_dialog_first_button%s.png" % suffix, classic_button(scale, True)),
                ("classic_dialog_second_button%s.png" % suffix, classic_button(scale, False))]
    return out
