#!/usr/bin/env python3
"""Draws Clikpad's artwork: res/clikpad.ico (16 and 32 px, 16 colours) and
res/image1.bmp (the main window's 65 x 114 picture). Run it after changing the
drawings; its output is committed."""
import struct
from pathlib import Path

# The 16-colour palette (RGB), index 0 transparent in icons via the mask.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, GREY, SILVER, WHITE, RED, NAVY, YELLOW = 0, 8, 7, 15, 9, 4, 11


def blank(w, h, colour=None):
    return [[colour for _ in range(w)] for _ in range(h)]


def disc(img, cx, cy, r, colour, ring=None):
    for y in range(len(img)):
        for x in range(len(img[0])):
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            if d <= r:
                img[y][x] = ring if ring is not None and d > r - 1.2 else colour


def line(img, x0, y0, x1, y1, colour):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1) * 2
    for i in range(steps + 1):
        x = round(x0 + (x1 - x0) * i / steps)
        y = round(y0 + (y1 - y0) * i / steps)
        if 0 <= y < len(img) and 0 <= x < len(img[0]):
            img[y][x] = colour


def pointer(img, ox, oy, scale):
    """A classic arrow pointer: white with a black outline, tip at (ox, oy)."""
    shape = ["X", "XX", "XWX", "XWWX", "XWWWX", "XWWWWX", "XWWWWWX", "XWWWWWWX", "XWWWWXXXX", "XWXWWX",
             "XX XWWX", "X  XWWX", "    XWWX", "    XWWX", "     XX"]
    for row, text in enumerate(shape):
        for col, ch in enumerate(text):
            if ch == " ":
                continue
            colour = BLACK if ch == "X" else WHITE
            for dy in range(scale):
                for dx in range(scale):
                    x, y = ox + col * scale + dx, oy + row * scale + dy
                    if 0 <= y < len(img) and 0 <= x < len(img[0]):
                        img[y][x] = colour


def icon_image(size):
    img = blank(size, size)
    c = size * 0.62
    r = size * 0.37
    disc(img, c, c, r, WHITE, ring=NAVY)
    hand = size / 32
    line(img, int(c), int(c), int(c), int(c - r * 0.7), BLACK)
    line(img, int(c), int(c), int(c + r * 0.55), int(c), RED)
    pointer(img, 0, 0, 1 if size < 32 else 2)
    del hand
    return img


def dib_4bpp(img, with_mask):
    h, w = len(img), len(img[0])
    header = struct.pack("<IiiHHIIiiII", 40, w, h * (2 if with_mask else 1), 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    row_bytes = ((w * 4 + 31) // 32) * 4
    pixels = b""
    for y in reversed(range(h)):
        row = bytearray(row_bytes)
        for x in range(w):
            v = img[y][x] if img[y][x] is not None else 0
            row[x // 2] |= v << (4 if x % 2 == 0 else 0)
        pixels += bytes(row)
    mask = b""
    if with_mask:
        mask_row = ((w + 31) // 32) * 4
        for y in reversed(range(h)):
            row = bytearray(mask_row)
            for x in range(w):
                if img[y][x] is None:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(row)
    return header + palette + pixels + mask


def write_ico(path, images):
    blobs = [dib_4bpp(img, True) for img in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for img, blob in zip(images, blobs):
        size = len(img)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    path.write_bytes(out + b"".join(blobs))


def write_bmp(path, img):
    dib = dib_4bpp(img, False)
    path.write_bytes(struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, 14 + 40 + 64) + dib)


def main_picture():
    w, h = 65, 114
    img = blank(w, h, SILVER)
    # A stopwatch above a mouse, joined by its cable.
    disc(img, 32.5, 30, 24, WHITE, ring=NAVY)
    disc(img, 32.5, 30, 2, BLACK)
    for i in range(12):
        import math
        a = i * math.pi / 6
        line(img, round(32.5 + 20 * math.sin(a)), round(30 - 20 * math.cos(a)),
             round(32.5 + 22 * math.sin(a)), round(30 - 22 * math.cos(a)), GREY)
    line(img, 32, 30, 32, 12, BLACK)
    line(img, 32, 30, 45, 37, RED)
    for x in range(28, 38):
        for y in range(2, 6):
            img[y][x] = NAVY
    line(img, 32, 56, 32, 68, BLACK)
    for y in range(68, 110):
        for x in range(14, 51):
            dx = (x + 0.5 - 32.5) / 18.5
            dy = (y + 0.5 - 89) / 21
            if dx * dx + dy * dy <= 1:
                img[y][x] = WHITE if dx * dx + dy * dy < 0.85 else GREY
    line(img, 32, 68, 32, 86, GREY)
    for y in range(70, 86):
        for x in range(17, 32):
            if img[y][x] == WHITE:
                img[y][x] = RED
    return img


if __name__ == "__main__":
    res = Path(__file__).resolve().parent.parent / "res"
    write_ico(res / "clikpad.ico", [icon_image(32), icon_image(16)])
    write_bmp(res / "image1.bmp", main_picture())
