#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks on the canvas (750 x 600 at 30, 29) in screenshots.

  canvas_check.py equals SHOT FILE    the canvas shows FILE's pixels exactly
  canvas_check.py wiped BEFORE SHOT   prints the share (0..1) of the dark
                                      (outline) pixels of BEFORE that are
                                      white in SHOT: 0 before and after a
                                      wipe, in between only during one
"""
import sys

from PIL import Image

LEFT, TOP, W, H = 30, 29, 750, 600
WHITE = (255, 255, 255)


def canvas(path):
    return list(Image.open(path).convert("RGB").crop((LEFT, TOP, LEFT + W, TOP + H)).getdata())


def main():
    mode = sys.argv[1]
    if mode == "equals":
        shown = canvas(sys.argv[2])
        wanted = list(Image.open(sys.argv[3]).convert("RGB").getdata())
        wrong = sum(1 for a, b in zip(shown, wanted) if a != b)
        if wrong:
            sys.exit(f"{wrong} canvas pixels differ from {sys.argv[3]}")
    elif mode == "wiped":
        before, shot = canvas(sys.argv[2]), canvas(sys.argv[3])
        marked = [i for i, p in enumerate(before) if max(p) < 64]
        if not marked:
            sys.exit("no outline before the wipe")
        print(f"{sum(1 for i in marked if shot[i] == WHITE) / len(marked):.3f}")
    else:
        sys.exit("unknown check " + mode)


main()
