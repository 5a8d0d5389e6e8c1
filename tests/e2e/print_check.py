#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks of the saved picture and of a printed page rendered at 96 dpi.

  print_check.py saved SHOT FILE
      FILE is a 24-bit Windows bitmap ("BM") of 750 x 600 that equals the
      canvas (750 x 600 at 30, 29) in the screenshot SHOT pixel for pixel.
  print_check.py page PAGE FILE R,G,B
      The page PAGE shows the picture FILE at its natural size with its
      top-left corner at the page's: the pixels of colour R,G,B cover the
      same box on the page as in FILE (within 2 pixels on each side), the
      picture's flat areas match, and nothing is printed beyond it.
"""
import sys

from PIL import Image

LEFT, TOP, W, H = 30, 29, 750, 600


def close(a, b, tol):
    return all(abs(p - q) <= tol for p, q in zip(a, b))


def box_of(im, colour, tol):
    px, (w, h) = im.load(), im.size
    xs, ys = [], []
    for y in range(h):
        for x in range(w):
            if close(px[x, y], colour, tol):
                xs.append(x)
                ys.append(y)
    return (min(xs), min(ys), max(xs), max(ys)) if xs else None


def saved(shot, file):
    with open(file, "rb") as f:
        head = f.read(30)
    if head[:2] != b"BM":
        sys.exit(f"{file} does not start with BM")
    if int.from_bytes(head[28:30], "little") != 24:
        sys.exit(f"{file} is not a 24-bit bitmap")
    pic = Image.open(file)
    if pic.format != "BMP" or pic.size != (W, H):
        sys.exit(f"{file} is {pic.format} {pic.size}, not a 750 x 600 bitmap")
    canvas = Image.open(shot).convert("RGB").crop((LEFT, TOP, LEFT + W, TOP + H))
    wrong = sum(1 for a, b in zip(canvas.getdata(), pic.convert("RGB").getdata()) if a != b)
    if wrong:
        sys.exit(f"{wrong} pixels of {file} differ from the canvas")


def page(page_file, file, colour):
    pic = Image.open(file).convert("RGB")
    pg = Image.open(page_file).convert("RGB")
    if pg.size[0] < W or pg.size[1] < H:
        sys.exit(f"the page {pg.size} is smaller than the picture")
    want, got = box_of(pic, colour, 0), box_of(pg, colour, 40)
    if not want:
        sys.exit("the painted colour is not in the picture")
    if not got or any(abs(a - b) > 2 for a, b in zip(want, got)):
        sys.exit(f"the painted area is at {got} on the page, expected {want}")
    # Flat areas of the picture (a 5 x 5 block of one colour) show that colour.
    pp, gp = pic.load(), pg.load()
    flat = wrong = 0
    for y in range(2, H - 2, 4):
        for x in range(2, W - 2, 4):
            c = pp[x, y]
            if all(pp[x + dx, y + dy] == c for dx in (-2, 0, 2) for dy in (-2, 0, 2)):
                flat += 1
                wrong += not close(gp[x, y], c, 24)
    if flat == 0 or wrong > flat // 100:
        sys.exit(f"{wrong} of {flat} flat samples of the picture differ on the page")
    # Nothing beyond the picture: not scaled up, not repeated.
    for y in range(0, pg.size[1], 3):
        for x in range(0, pg.size[0], 3):
            if (x > W + 2 or y > H + 2) and not close(gp[x, y], (255, 255, 255), 8):
                sys.exit(f"the page is printed at {x},{y}, outside the picture")


if sys.argv[1] == "saved":
    saved(sys.argv[2], sys.argv[3])
elif sys.argv[1] == "page":
    page(sys.argv[2], sys.argv[3], tuple(int(v) for v in sys.argv[4].split(",")))
else:
    sys.exit("unknown check " + sys.argv[1])
