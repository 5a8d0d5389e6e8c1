#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""Check the rendered drawings PICTURE/NN.GIF against the colouring rules.

    check.py [--assets DIR] [NN ...]

For every drawing 01-25 that exists (or only those given), prints the number
of fillable areas (4-connected white regions, the background included), the
smallest one and its bounding box, and what is wrong.  Also checks the blank
sheet 00.GIF.  Exit status 1 when any rule is broken:

  * a 750 x 600 GIF whose palette is black and white and nothing else;
  * 8 to 60 fillable areas, none under 30 pixels, at most 3 under 150;
  * nothing for the speck clean-up of build.py to change (no hole in a thin
    line, no dust);
  * no two areas that touch at a corner only (a fill must be stopped by a
    solid line, not by pixels meeting diagonally);
  * no line 1 pixel thin: every black pixel between two areas lies inside
    some 2 x 2 black square (only a few sharp tips may be thinner);
  * the drawing spans at least 70 % of the width or of the height, roughly
    centred.
"""
import argparse
import os
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True   # no __pycache__ beside the sources
import build  # noqa: E402  (the clean-up and component code must be the same)

W, H = build.WIDTH, build.HEIGHT
MIN_AREAS, MAX_AREAS = 8, 60
SMALL, MAX_SMALL = 150, 3
MIN_SPAN = 0.70
MAX_OFF_CENTRE = 0.12      # of the sheet's width / height
MAX_THIN_TIPS = 40         # thin pixels allowed where no two areas meet


def load(path):
    """(raster bytes 0/255, list of problems) for one GIF."""
    problems = []
    try:
        with Image.open(path) as im:
            im.load()
            fmt, size, mode = im.format, im.size, im.mode
            pal = im.getpalette() if mode == "P" else None
            rgb = im.convert("RGB")
    except Exception as e:  # a broken file is reported, not a traceback
        return None, [f"cannot read: {e}"]
    if fmt != "GIF":
        problems.append(f"format {fmt}, not GIF")
    if size != (W, H):
        return None, problems + [f"size {size[0]}x{size[1]}, not {W}x{H}"]
    if mode not in ("P", "L", "1"):
        problems.append(f"mode {mode}: not a palette picture")
    if mode == "P":
        entries = [tuple(pal[i:i + 3]) for i in range(0, len(pal or []), 3)]
        if sorted(entries) != [(0, 0, 0), (255, 255, 255)]:
            shown = entries[:4] + (["..."] if len(entries) > 4 else [])
            problems.append(f"palette {shown}, not exactly black and white")
    colours = rgb.getcolors(maxcolors=1 << 16) or []
    odd = [c for _, c in colours if c not in ((0, 0, 0), (255, 255, 255))]
    if odd:
        problems.append(f"{len(odd)} colours besides black and white, e.g. {odd[0]}")
    grey = rgb.convert("L").point(lambda v: 255 if v >= 128 else 0)
    return bytearray(grey.tobytes()), problems


def thin_pixels(data):
    """Black pixels not inside any 2 x 2 all-black square, as (x, y)."""
    table = bytes.maketrans(bytes([0, 255]), b"10")
    masks = []
    for y in range(H):
        bits = bytes(data[y * W:(y + 1) * W]).translate(table)[::-1]
        masks.append(int(bits, 2))          # bit x set: pixel x is black
    blocks = []                              # bit x: square with top-left (x, y)
    for y in range(H):
        pair = masks[y] & (masks[y] >> 1)
        below = masks[y + 1] & (masks[y + 1] >> 1) if y + 1 < H else 0
        blocks.append(pair & below)
    found = []
    for y in range(H):
        near = blocks[y] | (blocks[y - 1] if y else 0)
        covered = near | (near << 1)
        bad = masks[y] & ~covered
        while bad:
            low = bad & -bad
            found.append((low.bit_length() - 1, y))
            bad ^= low
    return found


def area_labels(areas):
    """Pixel index -> number of its area (white pixels only)."""
    label = {}
    for n, c in enumerate(areas):
        for y, s, e in c["runs"]:
            base = y * W
            for x in range(s, e):
                label[base + x] = n
    return label


def thin_walls(thin, label):
    """Split thin black pixels into those that separate two areas (a wall a
    fill could nearly slip through) and harmless ones (the sharp tip of a
    corner or the end of a stroke, with the same area all round)."""
    walls, tips = [], []
    for x, y in thin:
        seen = set()
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                xx, yy = x + dx, y + dy
                if 0 <= xx < W and 0 <= yy < H:
                    n = label.get(yy * W + xx)
                    if n is not None:
                        seen.add(n)
        (walls if len(seen) > 1 else tips).append((x, y))
    return walls, tips


def corner_leaks(data):
    """Areas that are separate for a fill but meet another area at a corner."""
    four = build.components(data, W, H, build.WHITE, diagonal=False)
    eight = build.components(data, W, H, build.WHITE, diagonal=True)
    if len(four) == len(eight):
        return []
    where = {}
    for i, c in enumerate(eight):
        for y, s, _ in c["runs"]:
            where[(y, s)] = i
    groups = {}
    for c in four:
        y, s, _ = c["runs"][0]
        groups.setdefault(where[(y, s)], []).append(c)
    leaks = []
    for members in groups.values():
        if len(members) > 1:
            members.sort(key=lambda c: c["size"])
            leaks.extend(members[:-1])
    return leaks


def fmt_box(b):
    return f"x {b[0]}-{b[2]} y {b[1]}-{b[3]}"


def check_drawing(path):
    """(summary line, problems) for one drawing."""
    data, problems = load(path)
    if data is None:
        return "unreadable", problems

    areas = build.components(data, W, H, build.WHITE, diagonal=False)
    areas.sort(key=lambda c: c["size"])
    smallest = areas[0] if areas else None
    summary = f"areas {len(areas):2d}"
    if smallest:
        summary += f"  smallest {smallest['size']:5d} px at {fmt_box(smallest['bbox'])}"

    if not MIN_AREAS <= len(areas) <= MAX_AREAS:
        problems.append(f"{len(areas)} fillable areas, need {MIN_AREAS} to {MAX_AREAS}")
    tiny = [c for c in areas if c["size"] < build.SPECK]
    if tiny:
        problems.append(f"{len(tiny)} areas under {build.SPECK} px, first at {fmt_box(tiny[0]['bbox'])}")
    small = [c for c in areas if c["size"] < SMALL]
    if len(small) > MAX_SMALL:
        boxes = "; ".join(f"{c['size']} px at {fmt_box(c['bbox'])}" for c in small)
        problems.append(f"{len(small)} areas under {SMALL} px (at most {MAX_SMALL}): {boxes}")

    cleaned = bytearray(data)
    changed = build.clean(cleaned, W, H)
    if changed:
        diff = [i for i in range(len(data)) if data[i] != cleaned[i]]
        x, y = diff[0] % W, diff[0] // W
        problems.append(f"speck clean-up would change {changed} px (first at {x},{y})")

    for c in corner_leaks(data)[:5]:
        problems.append(f"area of {c['size']} px at {fmt_box(c['bbox'])} "
                        "meets another only at a corner: line too thin there")

    thin = thin_pixels(data)
    if thin:
        walls, tips = thin_walls(thin, area_labels(areas))
        if walls:
            problems.append(f"{len(walls)} px of line thinner than 2 px between two areas, "
                            f"first at {walls[0][0]},{walls[0][1]}")
        if len(tips) > MAX_THIN_TIPS:
            problems.append(f"{len(tips)} px of line thinner than 2 px (at most {MAX_THIN_TIPS} "
                            f"in sharp tips), first at {tips[0][0]},{tips[0][1]}")

    ink = [c["bbox"] for c in build.components(data, W, H, build.BLACK, diagonal=True)]
    if not ink:
        problems.append("no drawing: the sheet is blank")
    else:
        x0 = min(b[0] for b in ink); y0 = min(b[1] for b in ink)
        x1 = max(b[2] for b in ink); y1 = max(b[3] for b in ink)
        span_w, span_h = (x1 - x0 + 1) / W, (y1 - y0 + 1) / H
        if max(span_w, span_h) < MIN_SPAN:
            problems.append(f"drawing spans only {span_w:.0%} of the width and "
                            f"{span_h:.0%} of the height")
        off_x = abs((x0 + x1) / 2 - W / 2) / W
        off_y = abs((y0 + y1) / 2 - H / 2) / H
        if off_x > MAX_OFF_CENTRE or off_y > MAX_OFF_CENTRE:
            problems.append(f"drawing off centre by {off_x:.0%} across, {off_y:.0%} down")
    return summary, problems


def check_blank(path):
    data, problems = load(path)
    if data is None:
        return "unreadable", problems
    black = len(data) - data.count(255)
    if black:
        problems.append(f"{black} black px on the blank sheet")
    return "blank sheet", problems


def main(argv=None):
    ap = argparse.ArgumentParser(description="Check the drawings PICTURE/NN.GIF.")
    ap.add_argument("--assets", default=os.path.join(os.path.dirname(os.path.dirname(HERE)), "assets"),
                    help="assets folder holding PICTURE/ (default: the repository's)")
    ap.add_argument("numbers", nargs="*", type=int, help="only these drawings (0-25)")
    args = ap.parse_args(argv)
    pic = os.path.join(args.assets, "PICTURE")

    failed = 0
    seen = 0
    for n in (args.numbers or range(0, 26)):
        path = os.path.join(pic, f"{n:02d}.GIF")
        if not os.path.exists(path):
            if args.numbers or n == 0:
                print(f"{n:02d}.GIF  missing  FAIL")
                failed += 1
            continue
        seen += 1
        summary, problems = (check_blank if n == 0 else check_drawing)(path)
        print(f"{n:02d}.GIF  {summary}  {'FAIL' if problems else 'OK'}")
        for p in problems:
            print(f"        - {p}")
        failed += bool(problems)
    print(f"{seen} checked, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
