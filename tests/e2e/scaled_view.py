#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The 1024 x 768 frame as a screen of another size shows it: scaled to fit,
centred, black bars on the other sides.

  scaled_view.py W H where FX FY           screen pixel showing frame pixel FX,FY
  scaled_view.py W H bar                   a screen pixel on a bar ("none" if none)
  scaled_view.py W H beside SX SY          a bar pixel in line with screen pixel SX,SY:
                                           on its row left of the frame, else on its
                                           column above it
  scaled_view.py W H back SHOT OUT         the shown part of SHOT scaled back to 1024 x 768
  scaled_view.py W H bars SHOT             the number of bar pixels of SHOT that are not black
  scaled_view.py W H clear DRAWING X Y      a pixel near X,Y of the drawing with nothing but
                                           white two pixels around it, where scaling blends
                                           in no outline
  scaled_view.py W H outline BEFORE AFTER  share (0..1) of the canvas's dark pixels in
                                           BEFORE that are no longer dark in AFTER
                                           (both scaled back)
"""
import sys

from PIL import Image

FW, FH = 1024, 768
CANVAS = (30, 29, 780, 629)


def shown(w, h):
    if w * FH <= h * FW:
        sw, sh = w, w * FH // FW
    else:
        sw, sh = h * FW // FH, h
    return (w - sw) // 2, (h - sh) // 2, sw, sh


def main(argv):
    w, h, cmd, args = int(argv[1]), int(argv[2]), argv[3], argv[4:]
    x, y, sw, sh = shown(w, h)
    if cmd == "where":
        fx, fy = int(args[0]), int(args[1])
        print(x + (2 * fx + 1) * sw // (2 * FW), y + (2 * fy + 1) * sh // (2 * FH))
    elif cmd == "bar":
        # Left of the frame, else above it: a place that, read as frame
        # pixels without mapping, would be on the canvas.
        if x > 0:
            print(x - 40, h // 2)
        elif y > 0:
            print(300, y - 1)
        else:
            print("none")
    elif cmd == "beside":
        sx, sy = int(args[0]), int(args[1])
        print(*((x - 20, sy) if x > 0 else (sx, y - 5)))
    elif cmd == "back":
        Image.open(args[0]).convert("RGB").crop((x, y, x + sw, y + sh)).resize((FW, FH), Image.BILINEAR).save(args[1])
    elif cmd == "bars":
        im = Image.open(args[0]).convert("RGB")
        px = im.load()
        print(sum(1 for j in range(h) for i in range(w)
                  if not (x <= i < x + sw and y <= j < y + sh) and px[i, j] != (0, 0, 0)))
    elif cmd == "clear":
        im = Image.open(args[0]).convert("L")
        px = im.load()
        x0, y0 = int(args[1]), int(args[2])
        around = [(dx, dy) for dy in range(-2, 3) for dx in range(-2, 3)]
        for r in range(0, 40):
            for dy in range(-r, r + 1):
                for dx in range(-r, r + 1):
                    if max(abs(dx), abs(dy)) != r:
                        continue
                    cx, cy = x0 + dx, y0 + dy
                    if all(0 <= cx + i < im.width and 0 <= cy + j < im.height and px[cx + i, cy + j] >= 250
                           for i, j in around):
                        print(cx, cy)
                        return
        sys.exit("no clear white pixel near the given one")
    elif cmd == "outline":
        def back(path):
            im = Image.open(path).convert("RGB").crop((x, y, x + sw, y + sh)).resize((FW, FH), Image.BILINEAR)
            return list(im.crop(CANVAS).getdata())
        before, after = back(args[0]), back(args[1])
        dark = [i for i, p in enumerate(before) if max(p) < 64]
        if not dark:
            sys.exit("no outline in " + args[0])
        print(f"{sum(1 for i in dark if max(after[i]) >= 64) / len(dark):.4f}")
    else:
        sys.exit("unknown command " + cmd)


if __name__ == "__main__":
    main(sys.argv)
