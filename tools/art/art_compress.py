"""Saving the pictures small.

JPEG: quality 85 with optimised Huffman tables (baseline, which every GDI+
decodes). Large opaque PNGs (backgrounds, slides): pngquant to a 256-colour
palette without dithering, which keeps the smooth gradients free of noise and
compresses them to about half; the colour steps stay below what the eye
separates on these light tones. Small sprites with alpha: lossless, through
zopflipng when installed. Every tool used gives the same bytes on every run."""
import os
import shutil
import subprocess

JPEG_QUALITY = 85
PALETTE_MIN_PIXELS = 200000


def _run(args):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def _keep_smaller(path, candidate):
    if os.path.exists(candidate) and os.path.getsize(candidate) < os.path.getsize(path):
        os.replace(candidate, path)
    elif os.path.exists(candidate):
        os.remove(candidate)


def _palette(path):
    tool = shutil.which("pngquant")
    if tool:
        _run([tool, "--nofs", "--speed", "1", "--force", "--output", path + ".q.png", "256",
              "--", path])
        _keep_smaller(path, path + ".q.png")


def _zopfli(path):
    tool = shutil.which("zopflipng")
    if tool:
        _run([tool, "-y", "--iterations=3", "--lossy_transparent", path, path + ".z.png"])
        _keep_smaller(path, path + ".z.png")


def save(image, path, compress=True):
    if path.endswith(".jpg"):
        image.convert("RGB").save(path, "JPEG", quality=JPEG_QUALITY, optimize=True)
        return
    image.save(path, "PNG", optimize=True)
    if not compress:
        return
    if image.width * image.height >= PALETTE_MIN_PIXELS:
        _palette(path)
    else:
        _zopfli(path)
