#!/usr/bin/env python3
"""Writes the slice marker pictures (SBMP 13100-13121) into resources/pictures:
24-bit BMP files, 11 x 15 pixels, a pennant pointing down at the slice
position; the top-left pixel's colour (magenta) is the transparent one."""
import os
import struct

WIDTH, HEIGHT = 11, 15
CLEAR = (255, 0, 255)
# state: (fill, outline, mark) not selected, then selected
STATES = {
    13100: ((72, 196, 96), (16, 64, 28), None),
    13101: ((160, 255, 170), (255, 255, 255), None),
    13110: ((110, 114, 128), (40, 42, 50), (200, 204, 214)),
    13111: ((176, 180, 196), (255, 255, 255), (70, 72, 84)),
    13120: ((236, 178, 40), (92, 58, 8), (92, 58, 8)),
    13121: ((255, 224, 120), (255, 255, 255), (120, 76, 10)),
}


def span(row):
    """The columns the pennant covers on a row: a box, then a point."""
    if row < 9:
        return 1, WIDTH - 2
    step = row - 8
    return 1 + step, WIDTH - 2 - step


def picture(fill, outline, mark):
    pixels = [[CLEAR] * WIDTH for _ in range(HEIGHT)]
    for row in range(1, HEIGHT - 1):
        left, right = span(row)
        if left > right:
            continue
        for x in range(left, right + 1):
            edge = row == 1 or x in (left, right) or span(row + 1)[0] > x or span(row + 1)[1] < x
            pixels[row][x] = outline if edge else fill
    if mark is not None:
        if mark == STATES[13110][2] or mark == STATES[13111][2]:
            for x in range(3, WIDTH - 3):  # hidden: a bar across
                pixels[5][x] = mark
        else:
            for row in range(3, 7):  # locked: a small block
                for x in range(4, WIDTH - 4):
                    pixels[row][x] = mark
    return pixels


def bmp(pixels):
    row_bytes = (WIDTH * 3 + 3) // 4 * 4
    body = b""
    for row in reversed(pixels):
        line = b"".join(bytes((b, g, r)) for (r, g, b) in row)
        body += line + b"\0" * (row_bytes - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return header + info + body


folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "pictures")
for number, (fill, outline, mark) in STATES.items():
    with open(os.path.join(folder, f"SBMP_{number}.bmp"), "wb") as f:
        f.write(bmp(picture(fill, outline, mark)))
