#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""Render the colouring-book drawings from their SVG sources.

    build.py --out ASSETS [NN ...]

Writes ASSETS/PICTURE/NN.GIF for every NN.svg (01 to 25) beside this script,
or only for the numbers given, and always ASSETS/PICTURE/00.GIF, the blank
sheet.  Each drawing is rendered by rsvg-convert at 750 x 600 on white,
thresholded to pure black and white (the fill tool matches colours exactly,
so a grey edge pixel would stop a fill short or leave a ring), cleaned of
specks and written as a GIF with the palette black, white.

The same sources always give the same bytes.
"""
import argparse
import io
import os
import re
import subprocess
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
WIDTH, HEIGHT = 750, 600
BLACK, WHITE = 0, 255
THRESHOLD = 128      # grey levels below this become black
SPECK = 30           # components smaller than this are specks
PALETTE = [0, 0, 0, 255, 255, 255]   # index 0 black, index 1 white


# ---------------------------------------------------------------------------
# Connected components on a black/white raster, worked on runs of a row so
# that pure Python stays quick on 450 000 pixels.

def runs_of(data, width, height, value):
    """Per row, the (start, end) pairs (end exclusive) of pixels equal to value."""
    pat = re.compile(re.escape(bytes([value])) + b"+")
    rows = []
    for y in range(height):
        row = data[y * width:(y + 1) * width]
        rows.append([(m.start(), m.end()) for m in pat.finditer(row)])
    return rows


def components(data, width, height, value, diagonal):
    """Connected components of the pixels equal to value.

    diagonal=False joins pixels that share a side (what a 4-connected flood
    fill reaches); diagonal=True also joins pixels that touch at a corner.
    Returns a list of dicts with 'size', 'bbox' (x0, y0, x1, y1 inclusive)
    and 'runs' (y, start, end).
    """
    rows = runs_of(data, width, height, value)
    parent = []
    ids = []          # ids[y][i] is the run's node

    def find(a):
        while parent[a] != a:
            parent[a] = parent[parent[a]]
            a = parent[a]
        return a

    slack = 1 if diagonal else 0
    for y, row in enumerate(rows):
        row_ids = []
        for _ in row:
            parent.append(len(parent))
            row_ids.append(len(parent) - 1)
        ids.append(row_ids)
        if y == 0:
            continue
        above, above_ids = rows[y - 1], ids[y - 1]
        i = j = 0
        while i < len(row) and j < len(above):
            s, e = row[i]
            sa, ea = above[j]
            # Runs [s, e) and [sa, ea) touch when they overlap (or, with
            # diagonal joins, when they are one column apart).
            if s < ea + slack and sa < e + slack:
                ra, rb = find(row_ids[i]), find(above_ids[j])
                if ra != rb:
                    parent[max(ra, rb)] = min(ra, rb)
            if e < ea:
                i += 1
            else:
                j += 1

    comps = {}
    for y, row in enumerate(rows):
        for (s, e), node in zip(row, ids[y]):
            root = find(node)
            c = comps.get(root)
            if c is None:
                c = comps[root] = {"size": 0, "bbox": [s, y, e - 1, y], "runs": []}
            c["size"] += e - s
            b = c["bbox"]
            b[0] = min(b[0], s)
            b[2] = max(b[2], e - 1)
            b[3] = y
            c["runs"].append((y, s, e))
    # Roots are the smallest node of each set, so this order is top-to-bottom,
    # left-to-right by first pixel: stable from run to run.
    return [comps[k] for k in sorted(comps)]


def paint(data, width, comp, value):
    fill = bytes([value])
    for y, s, e in comp["runs"]:
        data[y * width + s:y * width + e] = fill * (e - s)


def clean(data, width, height):
    """Remove specks in place: small white holes become black, then small
    black dots become white.  Returns the number of pixels changed."""
    changed = 0
    for _ in range(4):
        before = changed
        # Holes a fill could enter but a child could never see or hit.
        for c in components(data, width, height, WHITE, diagonal=False):
            if c["size"] < SPECK:
                paint(data, width, c, BLACK)
                changed += c["size"]
        # Dust.  Black joins at corners here, so that a line is never cut
        # into pieces that would each count as dust.
        for c in components(data, width, height, BLACK, diagonal=True):
            if c["size"] < SPECK:
                paint(data, width, c, WHITE)
                changed += c["size"]
        if changed == before:
            break
    return changed


def to_bilevel(img):
    """Pure black/white 'L' raster (only 0 and 255) from any picture."""
    grey = img.convert("RGBA")
    white = Image.new("RGBA", grey.size, (255, 255, 255, 255))
    grey = Image.alpha_composite(white, grey).convert("L")
    return grey.point(lambda v: WHITE if v >= THRESHOLD else BLACK)


def two_entry_table(gif):
    """Cut the global colour table down to its two real entries.

    The encoder pads the table to at least four entries (the spares black);
    a reader would then see a four-colour palette.  The table size is the low
    three bits of the screen descriptor's flags (2 ** (n + 1) entries), and
    the table follows the 13-byte header directly.
    """
    flags = gif[10]
    if not flags & 0x80:
        raise ValueError("GIF without a global colour table")
    entries = 2 ** ((flags & 7) + 1)
    table = gif[13:13 + 3 * entries]
    if table[:6] != bytes(PALETTE) or any(table[6:]):
        raise ValueError(f"unexpected colour table {table.hex()}")
    return gif[:10] + bytes([flags & ~7]) + gif[11:13] + table[:6] + gif[13 + 3 * entries:]


def write_gif(raster_l, path):
    """Write an 'L' raster holding only 0/255 as a two-colour GIF."""
    p = raster_l.point(lambda v: 1 if v else 0).convert("P")
    # The palette above would be re-ordered or shortened by the encoder's
    # optimiser (a blank sheet would lose its black), so switch that off.
    p.putpalette(PALETTE)
    buf = io.BytesIO()
    p.save(buf, format="GIF", optimize=False, interlace=False)
    data = two_entry_table(buf.getvalue())
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


def render_svg(svg_path):
    png = subprocess.run(
        ["rsvg-convert", "-w", str(WIDTH), "-h", str(HEIGHT), "-b", "white",
         "-f", "png", svg_path],
        check=True, stdout=subprocess.PIPE).stdout
    img = Image.open(io.BytesIO(png))
    img.load()
    if img.size != (WIDTH, HEIGHT):
        raise SystemExit(f"{svg_path}: rendered as {img.size}, not {WIDTH}x{HEIGHT}")
    return img


def build_drawing(svg_path):
    """The finished 'L' raster of one drawing."""
    bw = to_bilevel(render_svg(svg_path))
    data = bytearray(bw.tobytes())
    clean(data, WIDTH, HEIGHT)
    return Image.frombytes("L", (WIDTH, HEIGHT), bytes(data))


def main(argv=None):
    ap = argparse.ArgumentParser(description="Render the drawings to PICTURE/NN.GIF.")
    ap.add_argument("--out", required=True, help="assets folder (PICTURE/ is made inside)")
    ap.add_argument("numbers", nargs="*", type=int, help="only these drawings (1-25)")
    args = ap.parse_args(argv)

    pic = os.path.join(args.out, "PICTURE")
    os.makedirs(pic, exist_ok=True)
    write_gif(Image.new("L", (WIDTH, HEIGHT), WHITE), os.path.join(pic, "00.GIF"))

    wanted = args.numbers or range(1, 26)
    for n in wanted:
        svg = os.path.join(HERE, f"{n:02d}.svg")
        if not os.path.exists(svg):
            if args.numbers:
                raise SystemExit(f"no source {svg}")
            continue
        write_gif(build_drawing(svg), os.path.join(pic, f"{n:02d}.GIF"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
