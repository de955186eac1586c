"""The smallest PNG writer the image generators need: 8-bit RGB, no other dependency."""

import struct
import zlib


def png(width, height, rows):
    """PNG bytes for `rows`, a list of `height` rows of `width` (r, g, b) tuples."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + bytes(channel for rgb in row for channel in rgb) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8-bit RGB
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
