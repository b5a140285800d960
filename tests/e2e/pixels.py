"""Pixels of the screen for the end-to-end tests: a region as rows of (r, g, b), contrast
as WCAG defines it, and the icon drawing rendered for comparison."""

import os
import re
import subprocess
import tempfile


def region(desktop, acc=None, rect=None):
    """The pixels of an accessible's rectangle (or of `rect`, x y w h) on screen."""
    return decode_ppm(desktop.grab(*(rect or desktop.extents(acc))))


def decode_ppm(data):
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+\d+\s", data)  # one blank, then the pixels
    w, h = int(header.group(1)), int(header.group(2))
    pixels = data[header.end():]
    return [[tuple(pixels[(y * w + x) * 3:(y * w + x) * 3 + 3]) for x in range(w)] for y in range(h)]


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def strong_changes(before, after):
    """How many pixels changed by a contrast ratio of at least 3:1."""
    count = 0
    for row_a, row_b in zip(before, after):
        for a, b in zip(row_a, row_b):
            la, lb = luminance(a), luminance(b)
            if (max(la, lb) + 0.05) / (min(la, lb) + 0.05) >= 3:
                count += 1
    return count


def render_icon(size, shown_at):
    """The icon drawing rendered at `size` on the exit screen's white, shown at `shown_at`."""
    svg = os.path.join(os.path.dirname(__file__), "..", "..", "data", "velmoor.svg")
    with tempfile.NamedTemporaryFile(suffix=".png") as png:
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-b", "white", "-o", png.name, svg],
                       check=True)
        ppm = subprocess.run(["convert", png.name, "-resize", "%dx%d" % (shown_at, shown_at), "-depth", "8", "ppm:-"],
                             capture_output=True, check=True).stdout
    return decode_ppm(ppm)


def mean_difference(a, b):
    total = sum(abs(x - y) for ra, rb in zip(a, b) for pa, pb in zip(ra, rb) for x, y in zip(pa, pb))
    return total / (len(a) * len(a[0]) * 3)
