#!/usr/bin/env python3
"""Draws the radio images of the shipped themes into themes/<theme>/radio/.

Run from anywhere: python3 tools/make_theme_images.py
The images are committed; run this again after changing a colour below, and review the PNGs.

Each image is 13 x 13, RGB. Pixels outside the circle are pure red, the colour the radio leaves
out when it draws. TransparentBlt keys out one exact colour and cannot blend, so edge pixels are
blended here with the radio background of their theme (Radio.CLR.BackGroundNormal) and then kept
off pure red.
"""

import pathlib

from pngfile import png

SIZE = 13
CENTRE = SIZE / 2
OUTER = 5.8       # outer radius of the ring
RING = 1.3        # ring width
DOT = 2.5         # radius of the check dot
SUBSAMPLES = 8    # per pixel side, for smooth edges
KEY = (255, 0, 0)
# Below this coverage a pixel is left out; above it, it is drawn (blended with the background).
MIN_COVERAGE = 0.4

# Per theme: the background the images stand on, then per image (ring, face, dot or None).
THEMES = {
    "default": {
        "background": (0xF3, 0xF3, 0xF3),
        "images": {
            "normal": ((0x6E, 0x6E, 0x6E), (0xFF, 0xFF, 0xFF), None),
            "normal-checked": ((0x00, 0x67, 0xC0), (0xFF, 0xFF, 0xFF), (0x00, 0x67, 0xC0)),
            "pushed": ((0x00, 0x67, 0xC0), (0xCC, 0xE4, 0xF7), None),
            "disable": ((0xC0, 0xC0, 0xC0), (0xF0, 0xF0, 0xF0), None),
            "disable-checked": ((0xC0, 0xC0, 0xC0), (0xF0, 0xF0, 0xF0), (0xA0, 0xA0, 0xA0)),
        },
    },
    "dark": {
        "background": (0x20, 0x20, 0x20),
        "images": {
            "normal": ((0x9A, 0x9A, 0x9A), (0x2B, 0x2B, 0x2B), None),
            "normal-checked": ((0x4C, 0xC2, 0xFF), (0x2B, 0x2B, 0x2B), (0x4C, 0xC2, 0xFF)),
            "pushed": ((0x4C, 0xC2, 0xFF), (0x3F, 0x3F, 0x3F), None),
            "disable": ((0x4A, 0x4A, 0x4A), (0x26, 0x26, 0x26), None),
            "disable-checked": ((0x4A, 0x4A, 0x4A), (0x26, 0x26, 0x26), (0x5C, 0x5C, 0x5C)),
        },
    },
}


def sample_colour(x, y, ring, face, dot):
    """The colour at a point, or None outside the circle."""
    distance = ((x - CENTRE) ** 2 + (y - CENTRE) ** 2) ** 0.5
    if distance > OUTER:
        return None
    if distance > OUTER - RING:
        return ring
    if dot is not None and distance <= DOT:
        return dot
    return face


def pixel(px, py, background, ring, face, dot):
    inside = []
    for sy in range(SUBSAMPLES):
        for sx in range(SUBSAMPLES):
            colour = sample_colour(px + (sx + 0.5) / SUBSAMPLES, py + (sy + 0.5) / SUBSAMPLES,
                                   ring, face, dot)
            if colour is not None:
                inside.append(colour)
    coverage = len(inside) / SUBSAMPLES ** 2
    if coverage < MIN_COVERAGE:
        return KEY
    blended = tuple(
        round(sum(c[i] for c in inside) / SUBSAMPLES ** 2 + background[i] * (1 - coverage))
        for i in range(3))
    # A blend that lands on the key colour would vanish; one step of green keeps it.
    return blended if blended != KEY else (255, 1, 0)


def main():
    themes_dir = pathlib.Path(__file__).resolve().parent.parent / "themes"
    for theme, look in THEMES.items():
        out_dir = themes_dir / theme / "radio"
        out_dir.mkdir(parents=True, exist_ok=True)
        for name, (ring, face, dot) in look["images"].items():
            rows = [[pixel(x, y, look["background"], ring, face, dot) for x in range(SIZE)]
                    for y in range(SIZE)]
            (out_dir / f"{name}.png").write_bytes(png(SIZE, SIZE, rows))
            print(out_dir / f"{name}.png")


if __name__ == "__main__":
    main()
