"""The owner-drawn controls' sprites: check box glyphs, the Install button,
the close and minimize buttons and the progress bar. Each is drawn natively at
its scale (1 or 2) from the same 1x design, never upscaled."""
from PIL import Image

from art_base import (ACCENT, ACCENT_HOT, ACCENT_PRESSED, ACCENT_TINT, GLYPH, LINE, PROGRESS,
                      WHITE, Surface, mix, rgba, vertical_gradient_shape)


def sprite(frames):
    """Puts equally sized frames side by side."""
    w, h = frames[0].size
    out = Image.new("RGBA", (w * len(frames), h), (0, 0, 0, 0))
    for i, frame in enumerate(frames):
        out.paste(frame, (i * w, 0))
    return out


def check_box_frame(scale, checked, state):
    """One 16x16 design frame: state 0 normal, 1 hot, 2 pressed."""
    s = Surface(16 * scale, 16 * scale)
    k = scale
    outer = (1 * k, 1 * k, 15 * k, 15 * k)
    inner = (2 * k, 2 * k, 14 * k, 14 * k)
    if checked:
        fill = (ACCENT, ACCENT_HOT, ACCENT_PRESSED)[state]
        s.rounded(outer, 3 * k, rgba(fill))
        s.polyline([(4.4 * k, 8.2 * k), (6.8 * k, 10.6 * k), (11.6 * k, 5.6 * k)], 1.7 * k,
                   rgba(WHITE))
    else:
        border = (LINE, ACCENT, ACCENT)[state]
        fill = (WHITE, WHITE, ACCENT_TINT)[state]
        s.rounded(outer, 3 * k, rgba(border))
        s.rounded(inner, 2 * k, rgba(fill))
    return s.result()


def check_box_glyphs(scale):
    frames = [check_box_frame(scale, checked, state) for checked in (False, True)
              for state in range(3)]
    return sprite(frames)


def install_button(scale=1):
    """Three 140x48 frames: a rounded accent button, a little lighter at the
    top, with a faint one-pixel highlight inside its upper edge."""
    frames = []
    k = scale
    w, h = 140 * k, 48 * k
    for colour in (ACCENT, ACCENT_HOT, ACCENT_PRESSED):
        top = mix(colour, WHITE, 0.08)
        bottom = mix(colour, (0, 0, 0), 0.06)
        frame = vertical_gradient_shape((w, h), (0, 0, w, h), 6 * k, top, bottom)
        s = Surface(w, h)
        s.rounded((3 * k, 1 * k, w - 3 * k, 2 * k), 0.5 * k, rgba(WHITE, 46))
        frame.alpha_composite(s.result())
        frames.append(frame)
    return sprite(frames)


def _glyph_frame(scale, draw_glyph, state, glyph_alpha=255):
    k = scale
    s = Surface(20 * k, 20 * k)
    if state:
        s.ellipse((0, 0, 20 * k, 20 * k), rgba((0, 0, 0), 255 * (0.08 if state == 1 else 0.14)))
    draw_glyph(s, k, rgba(GLYPH, glyph_alpha))
    return s.result()


def _close_glyph(s, k, colour):
    s.polyline([(6.5 * k, 6.5 * k), (13.5 * k, 13.5 * k)], 1.3 * k, colour)
    s.polyline([(13.5 * k, 6.5 * k), (6.5 * k, 13.5 * k)], 1.3 * k, colour)


def _minimize_glyph(s, k, colour):
    s.rounded((6 * k, 10 * k, 14 * k, 11.25 * k), 0.6 * k, colour)


def close_button(scale):
    return sprite([_glyph_frame(scale, _close_glyph, st) for st in range(3)])


def minimize_button(scale):
    return sprite([_glyph_frame(scale, _minimize_glyph, st) for st in range(3)])


def minimize_placeholder(scale):
    """The minimize glyph, faint, where the button appears later."""
    return _glyph_frame(scale, _minimize_glyph, 0, glyph_alpha=70)


def progress_bar(scale, track):
    w, h = 393 * scale, 4 * scale
    s = Surface(w, h)
    s.rounded((0, 0, w, h), h / 2, rgba(PROGRESS, 41 if track else 255))
    return s.result()
