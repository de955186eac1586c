#!/usr/bin/env python3
"""Draws the gallery's picture-button images into apps/gallery/images/.

Run from anywhere: python3 tools/make_gallery_images.py
The images are committed; run this again after changing a colour below, and review the PNGs.

Each image is a 24 x 24 square, RGB, opaque (the picture button copies images as they are):
a face with a one-pixel darker edge and a light "play" triangle, smoothed by subsampling.
"""

import pathlib

from pngfile import png

SIZE = 24
SUBSAMPLES = 8
TRIANGLE = ((9.0, 6.5), (9.0, 17.5), (17.5, 12.0))
GLYPH = (0xFF, 0xFF, 0xFF)

# Per image: face, edge.
IMAGES = {
    "button-normal": ((0x5A, 0x6B, 0x7D), (0x3E, 0x4A, 0x57)),
    "button-hover": ((0x00, 0x67, 0xC0), (0x00, 0x4C, 0x8E)),
    "button-pushed": ((0x00, 0x3E, 0x73), (0x00, 0x2A, 0x4E)),
}


def in_triangle(x, y):
    (ax, ay), (bx, by), (cx, cy) = TRIANGLE
    def side(px, py, qx, qy):
        return (qx - px) * (y - py) - (qy - py) * (x - px)
    d1, d2, d3 = side(ax, ay, bx, by), side(bx, by, cx, cy), side(cx, cy, ax, ay)
    return (d1 >= 0 and d2 >= 0 and d3 >= 0) or (d1 <= 0 and d2 <= 0 and d3 <= 0)


def pixel(px, py, face, edge):
    if px in (0, SIZE - 1) or py in (0, SIZE - 1):
        return edge
    hits = sum(in_triangle(px + (sx + 0.5) / SUBSAMPLES, py + (sy + 0.5) / SUBSAMPLES)
               for sy in range(SUBSAMPLES) for sx in range(SUBSAMPLES))
    cover = hits / SUBSAMPLES ** 2
    return tuple(round(GLYPH[i] * cover + face[i] * (1 - cover)) for i in range(3))


def main():
    out_dir = pathlib.Path(__file__).resolve().parent.parent / "apps" / "gallery" / "images"
    out_dir.mkdir(parents=True, exist_ok=True)
    for name, (face, edge) in IMAGES.items():
        rows = [[pixel(x, y, face, edge) for x in range(SIZE)] for y in range(SIZE)]
        (out_dir / f"{name}.png").write_bytes(png(SIZE, SIZE, rows))
        print(out_dir / f"{name}.png")


if __name__ == "__main__":
    main()
