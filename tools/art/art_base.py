"""Palette and drawing helpers shared by the picture generators.

Shapes are drawn on a supersampled surface and reduced, so edges are
anti-aliased; smooth fields (gradients, glows) are computed with numpy in
floating point and rounded once at the end, so every run gives the same bytes.
"""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter


def hex_colour(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


BACKGROUND_LIGHT = hex_colour("#F7F8FA")
BACKGROUND_FAR = hex_colour("#E8ECF3")
ACCENT = hex_colour("#5B3CE0")
ACCENT_HOT = hex_colour("#6A4DF0")
ACCENT_PRESSED = hex_colour("#4A2FC2")
ACCENT_TINT = hex_colour("#F0EDFC")
YELLOW = hex_colour("#FFD84D")
YELLOW_HOT = hex_colour("#FFE070")
YELLOW_PRESSED = hex_colour("#F2C830")
GREY_BUTTON = hex_colour("#ECEEF2")
GREY_BUTTON_HOT = hex_colour("#E2E5EA")
GREY_BUTTON_PRESSED = hex_colour("#D6DAE0")
LINE = hex_colour("#A3A9B5")
GLYPH = hex_colour("#5F6470")
PROGRESS = hex_colour("#6B7A99")
WORDMARK = hex_colour("#1F2330")
WHITE = (255, 255, 255)


def rgba(colour, alpha=255):
    return (colour[0], colour[1], colour[2], int(round(alpha)))


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def reduce(image, size, smooth=False):
    """Reduces a supersampled RGBA picture with premultiplied alpha, so
    transparent pixels do not bleed their colour into the edges."""
    method = Image.LANCZOS if smooth else Image.BOX
    return image.convert("RGBa").resize(size, method).convert("RGBA")


class Surface:
    """An RGBA picture of w x h pixels drawn at |ss| times the resolution.
    Coordinates are in output pixels; a box (x0, y0, x1, y1) covers
    x0 <= x < x1, so boxes on whole pixels give crisp edges."""

    def __init__(self, w, h, ss=4, fill=(0, 0, 0, 0)):
        self.w, self.h, self.ss = w, h, ss
        self.image = Image.new("RGBA", (w * ss, h * ss), fill)
        self.draw = ImageDraw.Draw(self.image)

    def _box(self, box):
        s = self.ss
        x0, y0, x1, y1 = box
        return (round(x0 * s), round(y0 * s), round(x1 * s) - 1, round(y1 * s) - 1)

    def rounded(self, box, radius, fill):
        self.draw.rounded_rectangle(self._box(box), radius=round(radius * self.ss), fill=fill)

    def rect(self, box, fill):
        self.draw.rectangle(self._box(box), fill=fill)

    def ellipse(self, box, fill):
        self.draw.ellipse(self._box(box), fill=fill)

    def polyline(self, points, width, fill):
        """A stroke with round caps and joins."""
        s = self.ss
        pts = [(x * s, y * s) for x, y in points]
        w = width * s
        self.draw.line(pts, fill=fill, width=max(1, round(w)), joint="curve")
        for x, y in pts:
            self.draw.ellipse((x - w / 2, y - w / 2, x + w / 2, y + w / 2), fill=fill)

    def paste_layer(self, layer):
        """Composites another surface of the same size over this one."""
        self.image.alpha_composite(layer.image)

    def result(self, smooth=False):
        return reduce(self.image, (self.w, self.h), smooth)


def field(w, h, fn):
    """An array of h x w pixel-centre coordinates passed to |fn| (x, y)."""
    ys, xs = np.mgrid[0:h, 0:w].astype(np.float64)
    return fn(xs + 0.5, ys + 0.5)


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3 - 2 * t)


def to_image(rgb, alpha=None):
    """Float arrays (0..255) to a picture: RGB, or RGBA when |alpha| is given."""
    rgb = np.clip(np.rint(rgb), 0, 255).astype(np.uint8)
    if alpha is None:
        return Image.fromarray(rgb, "RGB")
    a = np.clip(np.rint(alpha), 0, 255).astype(np.uint8)
    return Image.fromarray(np.dstack([rgb, a]), "RGBA")


def blend_colour(base, colour, weight):
    """Blends |colour| over the float RGB array |base| by a weight array."""
    c = np.array(colour, dtype=np.float64)
    return base + (c - base) * weight[..., None]


def soft_shadow(size, box, radius, blur, opacity, colour=(20, 24, 40)):
    """A blurred rounded-rectangle shadow as an RGBA picture of |size|."""
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).rounded_rectangle(
        (box[0], box[1], box[2] - 1, box[3] - 1), radius=radius, fill=int(255 * opacity))
    mask = mask.filter(ImageFilter.GaussianBlur(blur))
    shadow = Image.new("RGBA", size, rgba(colour, 0))
    shadow.putalpha(mask)
    return shadow


def fade_alpha(image, mask):
    """Multiplies an RGBA picture's alpha by a 0..1 float mask."""
    arr = np.asarray(image).astype(np.float64)
    arr[..., 3] *= mask
    return Image.fromarray(np.clip(np.rint(arr), 0, 255).astype(np.uint8), "RGBA")


def vertical_gradient_shape(size, box, radius, top, bottom, ss=4):
    """A rounded rectangle of |size| filled top to bottom from |top| to
    |bottom| (RGB), anti-aliased; transparent around it."""
    w, h = size
    x0, y0, x1, y1 = box
    ys = (np.arange(h, dtype=np.float64) + 0.5 - y0) / max(1e-9, y1 - y0)
    t = np.clip(ys, 0.0, 1.0)[:, None, None]
    rgb = np.array(top, np.float64) + (np.array(bottom, np.float64) - np.array(top)) * t
    rgb = np.broadcast_to(rgb, (h, w, 3))
    shape = Surface(w, h, ss)
    shape.rounded(box, radius, (255, 255, 255, 255))
    alpha = np.asarray(shape.result())[..., 3].astype(np.float64)
    return to_image(rgb, alpha)
