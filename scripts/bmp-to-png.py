#!/usr/bin/env python3
"""Turns the 32-bit top-down bitmaps of the Win32 screenshots into PNG files beside them."""
import struct
import sys
import zlib


def convert(path):
    data = open(path, "rb").read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    top_down = height < 0
    height = abs(height)
    rows = []
    for y in range(height):
        start = offset + (y if top_down else height - 1 - y) * width * 4
        line = bytearray(b"\0")  # filter: none
        for x in range(width):
            blue, green, red = data[start + 4 * x:start + 4 * x + 3]
            line += bytes((red, green, blue))
        rows.append(bytes(line))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    png = (b"\x89PNG\r\n\x1a\n" +
           chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
           chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))
    open(path[:-4] + ".png", "wb").write(png)


for name in sys.argv[1:]:
    convert(name)
