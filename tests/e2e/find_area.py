#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints "WX WY BX BY" for a drawing: a white pixel inside an enclosed area
(not the sheet's background) with 30 white pixels of the same area to its
right, and a black outline pixel touching that area."""
import sys
from collections import deque

from PIL import Image

im = Image.open(sys.argv[1]).convert("L")
w, h = im.size
px = im.load()
seen = [[False] * w for _ in range(h)]
best = None
for y0 in range(0, h, 7):
    for x0 in range(0, w, 7):
        if seen[y0][x0] or px[x0, y0] < 128:
            continue
        area, q, touches_edge = [], deque([(x0, y0)]), False
        seen[y0][x0] = True
        while q:
            x, y = q.popleft()
            area.append((x, y))
            if x in (0, w - 1) or y in (0, h - 1):
                touches_edge = True
            for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if 0 <= nx < w and 0 <= ny < h and not seen[ny][nx] and px[nx, ny] >= 128:
                    seen[ny][nx] = True
                    q.append((nx, ny))
        if touches_edge:
            continue
        members = set(area)
        for x, y in area:
            if all((x + d, y) in members for d in range(31)) and (x - 1, y) in members:
                # walk left to the outline
                bx = x
                while (bx - 1, y) in members:
                    bx -= 1
                cand = (len(area), x, y, bx - 1, y)
                if best is None or cand[0] > best[0]:
                    best = cand
                break
if best is None:
    sys.exit("no enclosed area with room for a stroke")
print(best[1], best[2], best[3], best[4])
