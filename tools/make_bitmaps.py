#!/usr/bin/env python3
"""Draws the library's bitmap resources and writes them as 24-bit .bmp files into resources/.

Each file is named <resource id>_<what it shows>.bmp; the build embeds it under that id.
Run it again after changing a picture here and commit the .bmp files it writes.
"""
import pathlib
import struct

# Colours as (red, green, blue).
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY = (128, 128, 128)           # tree line-style button frame, half-checked box fill
FLAT_FIELD = (112, 112, 112)     # tree flat-style buttons
FLAT_MARK = (230, 230, 230)
ARROW_FIELD = (60, 60, 60)       # drop list arrows and the scroll bar's ends
ARROW_MARK = (200, 200, 200)
DISABLED_FIELDS = [(52, 52, 52), (60, 60, 60), (68, 68, 68)]
DISABLED_MARKS = [(150, 150, 150), (168, 168, 168)]
TRACK = (46, 46, 46)
TRACK_EDGE = (34, 34, 34)        # the track's left column parts it from the list
THUMB = (120, 120, 120)
THUMB_EDGE = (96, 96, 96)


class Picture:
    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.pixels = [[fill] * width for _ in range(height)]

    def set(self, x, y, colour):
        self.pixels[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        """Fills the half-open rectangle [left, right) x [top, bottom)."""
        for y in range(top, bottom):
            for x in range(left, right):
                self.set(x, y, colour)

    def frame(self, colour):
        for x in range(self.width):
            self.set(x, 0, colour)
            self.set(x, self.height - 1, colour)
        for y in range(self.height):
            self.set(0, y, colour)
            self.set(self.width - 1, y, colour)

    def bmp(self):
        """A 24-bit bottom-up BMP file: file header, BITMAPINFOHEADER, then the rows."""
        stride = (self.width * 3 + 3) & ~3
        rows = bytearray()
        for row in reversed(self.pixels):
            for r, g, b in row:
                rows += bytes((b, g, r))
            rows += bytes(stride - self.width * 3)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, len(rows),
                           2835, 2835, 0, 0)
        offset = 14 + len(info)
        header = struct.pack('<2sIHHI', b'BM', offset + len(rows), 0, 0, offset)
        return header + info + rows


# ---- tree: expand buttons and check boxes

def line_button(plus):
    """9 x 9: grey frame on white with a black plus (closed) or minus (open)."""
    p = Picture(9, 9, WHITE)
    p.frame(GREY)
    p.fill(2, 4, 7, 5, BLACK)
    if plus:
        p.fill(4, 2, 5, 7, BLACK)
    return p


def flat_button(plus):
    """11 x 11: a light plus or minus on mid-grey."""
    p = Picture(11, 11, FLAT_FIELD)
    p.fill(2, 5, 9, 6, FLAT_MARK)
    if plus:
        p.fill(5, 2, 6, 9, FLAT_MARK)
    return p


# The tick: for each column from 3 to 9, the top of its 3-pixel-high stroke.
TICK_TOPS = {3: 5, 4: 6, 5: 7, 6: 6, 7: 5, 8: 4, 9: 3}


def check_box(inside, tick):
    """13 x 13: black frame around `inside`, with an optional black tick."""
    p = Picture(13, 13, inside)
    p.frame(BLACK)
    if tick:
        for x, top in TICK_TOPS.items():
            p.fill(x, top, x + 1, top + 3, BLACK)
    return p


# ---- drop list arrows: 13 x 16, a downward triangle of 5, 3 and 1 pixels on rows 6 to 8,
# centred on column 6

def drop_arrow():
    p = Picture(13, 16, ARROW_FIELD)
    for row, half in ((6, 2), (7, 1), (8, 0)):
        p.fill(6 - half, row, 7 + half, row + 1, ARROW_MARK)
    return p


def drop_arrow_disabled():
    """The same triangle in light greys on a mottled dark field; the pattern is fixed."""
    p = Picture(13, 16, ARROW_FIELD)
    for y in range(16):
        for x in range(13):
            p.set(x, y, DISABLED_FIELDS[(x * 7 + y * 11 + x * y) % 3])
    for row, half in ((6, 2), (7, 1), (8, 0)):
        for x in range(6 - half, 7 + half):
            p.set(x, row, DISABLED_MARKS[(x + row) % 2])
    return p


# ---- scroll bar: 14 pixels wide; the arrows are drawn at their size, the thumb and the track
# are stretched vertically, so those two are made of plain columns

def scroll_arrow(up):
    """14 x 14: a triangle of 2, 4, 6 and 8 pixels on rows 5 to 8, pointing up or down."""
    p = Picture(14, 14, ARROW_FIELD)
    for step in range(4):
        row = 5 + step if up else 8 - step
        p.fill(6 - step, row, 8 + step, row + 1, ARROW_MARK)
    return p


def scroll_thumb():
    """14 x 10: a grey bar with darker sides, inset one track-coloured column each side."""
    p = Picture(14, 10, THUMB)
    p.fill(0, 0, 1, 10, TRACK)
    p.fill(13, 0, 14, 10, TRACK)
    p.fill(1, 0, 2, 10, THUMB_EDGE)
    p.fill(12, 0, 13, 10, THUMB_EDGE)
    return p


def scroll_track():
    """14 x 1."""
    p = Picture(14, 1, TRACK)
    p.set(0, 0, TRACK_EDGE)
    return p


BITMAPS = {
    '23000_tree_check_no': check_box(WHITE, tick=False),
    '23002_tree_check_yes': check_box(WHITE, tick=True),
    '23003_tree_close_line': line_button(plus=True),
    '23004_tree_close_flat': flat_button(plus=True),
    '23005_tree_open_line': line_button(plus=False),
    '23006_tree_open_flat': flat_button(plus=False),
    '23010_droplist_arrow': drop_arrow(),
    '23011_droplist_arrow_pushed': drop_arrow(),
    '23016_droplist_arrow_disabled': drop_arrow_disabled(),
    '23018_tree_check_half': check_box(GREY, tick=True),
    '23019_scroll_up': scroll_arrow(up=True),
    '23020_scroll_down': scroll_arrow(up=False),
    '23021_scroll_thumb': scroll_thumb(),
    '23022_scroll_track': scroll_track(),
}


def main():
    out = pathlib.Path(__file__).resolve().parent.parent / 'resources'
    for name, picture in BITMAPS.items():
        (out / f'{name}.bmp').write_bytes(picture.bmp())


if __name__ == '__main__':
    main()
