# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Mean absolute difference (0..255, over the three channels) between a region
of a screenshot and the same-sized region of another picture.

usage: region_diff.py SHOT X Y W H OTHER OX OY [MX,MY,MW,MH ...]
The masks, in screenshot coordinates, are left out of the comparison.
"""
import sys

from PIL import Image, ImageChops, ImageDraw, ImageStat


def main(argv):
    shot, (x, y, w, h) = argv[1], map(int, argv[2:6])
    other, (ox, oy) = argv[6], map(int, argv[7:9])
    a = Image.open(shot).convert("RGB").crop((x, y, x + w, y + h))
    b = Image.open(other).convert("RGB").crop((ox, oy, ox + w, oy + h))
    keep = Image.new("L", (w, h), 255)
    draw = ImageDraw.Draw(keep)
    for m in argv[9:]:
        mx, my, mw, mh = map(int, m.split(","))
        draw.rectangle((mx - x, my - y, mx - x + mw - 1, my - y + mh - 1), fill=0)
    means = ImageStat.Stat(ImageChops.difference(a, b), mask=keep).mean
    print(f"{sum(means) / 3:.2f}")


if __name__ == "__main__":
    main(sys.argv)
