#!/usr/bin/env python3
"""Draws the program's two tray icons (running and paused) as 32x32 PNG files.

Run once by hand when the pictures change; the PNG files are compiled into the program."""
import struct
import zlib

SIZE = 32


def png(path, pixels):
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def bin_icon(body, lid, paused):
    clear = (0, 0, 0, 0)
    outline = (40, 40, 40, 255)
    pixels = [[clear] * SIZE for _ in range(SIZE)]

    def put(x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            pixels[y][x] = c

    # lid and handle
    for x in range(5, 27):
        for y in range(6, 9):
            put(x, y, outline if y in (6, 8) or x in (5, 26) else lid)
    for x in range(12, 20):
        put(x, 3, outline)
    for y in range(3, 6):
        put(12, y, outline)
        put(19, y, outline)
    # can, narrowing towards the bottom
    for y in range(9, 30):
        inset = (y - 9) // 7
        left, right = 7 + inset, 24 - inset
        for x in range(left, right + 1):
            edge = x in (left, right) or y == 29
            put(x, y, outline if edge else body)
    # ribs
    for x in (12, 16, 20):
        for y in range(12, 27):
            put(x, y, outline)
    if paused:
        # two bars over the lower right corner
        for x0 in (19, 25):
            for x in range(x0, x0 + 4):
                for y in range(18, 31):
                    put(x, y, (200, 40, 40, 255) if x0 < x < x0 + 3 and 18 < y < 30 else outline)
    return pixels


png("run.png", bin_icon((90, 160, 220, 255), (60, 120, 190, 255), paused=False))
png("stop.png", bin_icon((170, 170, 170, 255), (130, 130, 130, 255), paused=True))
