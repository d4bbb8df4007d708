"""The soft shadow around a window, rendered once for the whole shadow window
and cut into the eight pieces the shadow window is assembled from, so the
pieces meet without seams.

Piece rectangles follow the shadow window's layout: with margin m, border b
and g = b + 2m, corners are g x g and edges b + m thick (see
installer/lite_installer/ui/shadow_geometry.cc)."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

EDGE_OPACITY = 0.22  # at the window's edge


def render(w, h, margin, radius, drop):
    """The shadow of a w x h window (corner |radius|, 0 for square) in a
    picture enlarged by |margin| on each side; the shadow is cast |drop|
    pixels down so it is a little stronger below than above."""
    size = (w + 2 * margin, h + 2 * margin)
    ss = 4
    mask = Image.new("L", (size[0] * ss, size[1] * ss), 0)
    box = (margin * ss, (margin + drop) * ss, (margin + w) * ss - 1, (margin + h + drop) * ss - 1)
    ImageDraw.Draw(mask).rounded_rectangle(box, radius=radius * ss, fill=255)
    mask = mask.resize(size, Image.BOX)
    # Blurred, a step is at half strength on its edge: twice the edge opacity
    # inside gives the wanted opacity at the window's edge.
    blurred = mask.filter(ImageFilter.GaussianBlur(margin / 2.6))
    alpha = np.asarray(blurred).astype(np.float64) / 255.0 * (2 * EDGE_OPACITY)
    # Fade to exactly zero at the outer border of the margin.
    ys, xs = np.mgrid[0:size[1], 0:size[0]].astype(np.float64)
    dist = np.minimum.reduce([xs + 0.5, ys + 0.5, size[0] - xs - 0.5, size[1] - ys - 0.5])
    alpha *= np.clip(dist / (margin * 0.5), 0.0, 1.0)
    # The shadow window lies over the window: where the window's shape is, the
    # shadow is clear, or its corners would darken the window's own corners.
    # Outside a rounded corner the shadow goes on, under the picture's band.
    window = Image.new("L", (size[0] * ss, size[1] * ss), 0)
    ImageDraw.Draw(window).rounded_rectangle(
        (margin * ss, margin * ss, (margin + w) * ss - 1, (margin + h) * ss - 1),
        radius=radius * ss, fill=255)
    window = np.asarray(window.resize(size, Image.BOX)).astype(np.float64) / 255.0
    alpha *= 1.0 - window
    alpha = np.clip(np.rint(alpha * 255), 0, 255).astype(np.uint8)
    rgba = np.zeros((size[1], size[0], 4), np.uint8)
    rgba[..., 3] = alpha
    return Image.fromarray(rgba, "RGBA")


def pieces(w, h, scale, radius):
    """Corners TL, TR, BR, BL, then edges left, top, right, bottom."""
    m, b = 8 * scale, 1 * scale
    g = b + 2 * m
    shadow = render(w * scale, h * scale, m, radius * scale, scale)
    W, H = w * scale, h * scale
    corners = [(0, 0, g, g), (W - b, 0, W + 2 * m, g), (W - b, H - b, W + 2 * m, H + 2 * m),
               (0, H - b, g, H + 2 * m)]
    edges = [(0, g, b + m, H - b), (g, 0, W - b, b + m), (m + W - b, g, W + 2 * m, H - b),
             (g, m + H - b, W - b, H + 2 * m)]
    return [shadow.crop(r) for r in corners], [shadow.crop(r) for r in edges], shadow
