#!/usr/bin/env python3
"""Draws the program's icon, a cube of coloured squares in the 16 VGA colours, and
writes it as XPM (compiled into the window), PNG (the desktop icon), ICO (the Windows
executable) and SVG (the scalable desktop icon). Run it again after changing the picture:
    python3 scripts/make-icon.py
"""
import math
import os
import struct
import zlib

SIZE = 32
PALETTE = [  # the 16 colours of a VGA screen
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, RED, LIME, YELLOW, BLUE, WHITE, FUCHSIA, AQUA = 0, 9, 10, 11, 12, 15, 13, 14
TRANSPARENT = None

# Three visible faces of an isometric cube: origin and the two edge vectors, in pixels,
# and the colours of their 3 × 3 squares (row by row along the second edge).
FACES = [
    ((16, 1), (-13, 7), (13, 7), [WHITE, YELLOW, RED, YELLOW, WHITE, LIME, BLUE, RED, WHITE]),
    ((3, 8), (13, 7), (0, 16), [RED, BLUE, LIME, LIME, RED, YELLOW, BLUE, FUCHSIA, RED]),
    ((16, 15), (13, -7), (0, 16), [BLUE, LIME, AQUA, YELLOW, BLUE, RED, LIME, RED, BLUE]),
]
LINE = 0.42  # half the width of the black lines between squares, in pixels


def face_coordinates(face, x, y):
    (ox, oy), (ax, ay), (bx, by), _ = face
    det = ax * by - ay * bx
    px, py = x - ox, y - oy
    return (px * by - py * bx) / det, (ax * py - ay * px) / det


def pixel(x, y):
    for face in FACES:
        u, v = face_coordinates(face, x + 0.5, y + 0.5)
        if -0.02 <= u <= 1.02 and -0.02 <= v <= 1.02:
            (_, a, b, colours) = face
            cell_u, cell_v = math.hypot(*a) / 3, math.hypot(*b) / 3
            near_u = min(u * 3 % 1, 1 - u * 3 % 1) * cell_u
            near_v = min(v * 3 % 1, 1 - v * 3 % 1) * cell_v
            if near_u < LINE or near_v < LINE or not (0 <= u <= 1 and 0 <= v <= 1):
                return BLACK
            return colours[min(2, int(v * 3)) * 3 + min(2, int(u * 3))]
    return TRANSPARENT


def image():
    return [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]


def write_xpm(path, img):
    keys = " .XoO+@#$%&*=-;:"
    lines = ['/* XPM */', 'static const char* const marvolen_icon_xpm[] = {',
             f'"{SIZE} {SIZE} 17 1",', '"  c None",']
    lines += [f'"{keys[i] if i else "_"} c #{r:02X}{g:02X}{b:02X}",' for i, (r, g, b) in enumerate(PALETTE)]
    symbol = lambda c: " " if c is None else ("_" if c == 0 else keys[c])
    rows = ['"' + "".join(symbol(c) for c in row) + '"' for row in img]
    lines += [r + "," for r in rows[:-1]] + [rows[-1], "};"]
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def write_png(path, img):
    raw = b"".join(b"\0" + bytes(v for c in row for v in ((*PALETTE[c], 255) if c is not None else (0, 0, 0, 0)))
                   for row in img)
    chunk = lambda kind, data: struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def write_ico(path, img):
    """One 32 × 32 image, 4 bits a pixel with a 16-colour palette and a mask."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    colours = b""
    mask = b""
    for row in reversed(img):  # bottom-up
        nibbles = [c or 0 for c in row]
        colours += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2))
        bits = "".join("1" if c is None else "0" for c in row)
        mask += int(bits, 2).to_bytes(SIZE // 8, "big")
    body = header + palette + colours + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(body), 22)
    with open(path, "wb") as f:
        f.write(directory + body)


def write_svg(path):
    """The same cube as vector shapes: each square a parallelogram, black between them."""
    shapes = []
    for (ox, oy), (ax, ay), (bx, by), colours in FACES:
        corners = [(ox, oy), (ox + ax, oy + ay), (ox + ax + bx, oy + ay + by), (ox + bx, oy + by)]
        shapes.append('<polygon points="%s" fill="#000000"/>' % " ".join(f"{x:g},{y:g}" for x, y in corners))
        for row in range(3):
            for col in range(3):
                r, g, b = PALETTE[colours[row * 3 + col]]
                inset = 0.06
                pts = []
                for du, dv in ((0, 0), (1, 0), (1, 1), (0, 1)):
                    u = (col + inset + du * (1 - 2 * inset)) / 3
                    v = (row + inset + dv * (1 - 2 * inset)) / 3
                    pts.append((ox + u * ax + v * bx, oy + u * ay + v * by))
                shapes.append('<polygon points="%s" fill="#%02X%02X%02X"/>'
                              % (" ".join(f"{x:.3f},{y:.3f}" for x, y in pts), r, g, b))
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" viewBox="0 0 {SIZE} {SIZE}">\n'
           + "\n".join(shapes) + "\n</svg>\n")
    with open(path, "w") as f:
        f.write(svg)


def main():
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    img = image()
    write_xpm(os.path.join(top, "ui", "marvolen_icon.xpm"), img)
    os.makedirs(os.path.join(top, "app", "icons"), exist_ok=True)
    write_png(os.path.join(top, "app", "icons", "marvolen-32.png"), img)
    write_ico(os.path.join(top, "app", "icons", "marvolen.ico"), img)
    write_svg(os.path.join(top, "app", "icons", "marvolen.svg"))


if __name__ == "__main__":
    main()
