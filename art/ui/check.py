#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""Check the interface pictures that build.py wrote.

    art/ui/check.py --assets ASSETS [--resources DIR]

Every file must exist with its exact pixel size; palette swatches must show
their exact paint colour in the middle; pointers must have transparency and an
opaque active point. Prints each failure and exits 1 if there is any.

The sizes are written out here on purpose, not taken from the build's own
tables, so a slip in those tables shows up as a failure.
"""
import argparse
import os
import sys

from PIL import Image, ImageChops, ImageStat

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def thumb_number(n):
    r, c = divmod(n - 1, 5)
    return 1 + 18 * r + 2 * c


def expected_pictures():
    """name -> (width, height) for everything in PICTURE/ except the drawings."""
    sizes = {
        "GLAVNA.JPG": (1024, 768), "GALERIJA.JPG": (1024, 768),
        "CTRLX.JPG": (400, 250), "CTRL-R.JPG": (400, 250), "PRINTING.JPG": (400, 250),
        "KANTICA8.ICO": (32, 32), "CETKA.ICO": (32, 32),
    }
    pairs = {"MOREIMAGES": (160, 169), "GUMICA": (112, 61), "PAPIR": (63, 61), "BACK": (192, 40),
             "YES": (107, 50), "NO": (85, 50), "VISIT": (330, 62), "CTRLRZEB": (110, 35),
             "CLOSE": (73, 27), "KAPLJICA": (58, 81), "OLOVKA": (62, 81), "ZVUCNIK": (78, 79),
             "SOUNDOFF": (78, 79), "MUZIKA": (78, 79), "MUSICOFF": (78, 79)}
    for stem, size in pairs.items():
        for k in (1, 2):
            sizes[f"{stem}{k}.JPG"] = size
    widths = {1: 85, 6: 85, 5: 83, 7: 83, 12: 86}
    for nn in range(1, 13):
        for phase in (1, 2, 3):
            sizes[f"BOJE{phase}_{nn:02d}.JPG"] = (widths.get(nn, 84), 85)
    for n in range(1, 26):
        xx = thumb_number(n)
        sizes[f"GALERIJA1BELE_{xx:02d}.JPG"] = (131, 122)
        sizes[f"GALERIJA1ZUTE_{xx:02d}.JPG"] = (131, 122)
    return sizes


EXPECTED_RESOURCES = {
    "cursor_arrow.png": (32, 32), "cursor_hand.png": (32, 32), "cursor_pipette.png": (64, 64),
    "cursor_droplet.png": (32, 32), "icon32.png": (32, 32), "icon256.png": (256, 256),
}
SPLASH_RANGE = ((500, 620), (300, 380))

# The active point of each pointer: the pixel there must be solid.
HOT_SPOTS = {
    "PICTURE/KANTICA8.ICO": (3, 28), "PICTURE/CETKA.ICO": (3, 28),
    "cursor_arrow.png": (0, 0), "cursor_hand.png": (12, 1), "cursor_pipette.png": (32, 32),
    "cursor_droplet.png": (16, 16),
}

# (plain face, highlighted face): the second must differ visibly and carry more of the
# yellow highlight (lit under the mouse, the active tool, the chosen colour).
def highlight_pairs():
    pairs = [(f"{stem}1.JPG", f"{stem}2.JPG") for stem in
             ("MOREIMAGES", "GUMICA", "PAPIR", "BACK", "YES", "NO", "VISIT", "CTRLRZEB", "CLOSE",
              "ZVUCNIK", "MUZIKA")]
    pairs += [("SOUNDOFF2.JPG", "SOUNDOFF1.JPG"), ("MUSICOFF2.JPG", "MUSICOFF1.JPG"),
              ("KAPLJICA2.JPG", "KAPLJICA1.JPG"), ("OLOVKA2.JPG", "OLOVKA1.JPG")]
    for nn in range(1, 13):
        pairs += [(f"BOJE1_{nn:02d}.JPG", f"BOJE2_{nn:02d}.JPG"),
                  (f"BOJE1_{nn:02d}.JPG", f"BOJE3_{nn:02d}.JPG")]
    for n in range(1, 26):
        xx = thumb_number(n)
        pairs.append((f"GALERIJA1BELE_{xx:02d}.JPG", f"GALERIJA1ZUTE_{xx:02d}.JPG"))
    return pairs


MIN_MEAN_DIFFERENCE = 8.0      # mean over all pixels and channels, 0..255
MIN_EXTRA_YELLOW = 0.04        # share of the picture that turns yellow


def yellow_share(img):
    px = img.convert("RGB").getdata()
    return sum(1 for r, g, b in px if r > 230 and g > 170 and b < 110) / len(px)


def mean_difference(a, b):
    return sum(ImageStat.Stat(ImageChops.difference(a.convert("RGB"), b.convert("RGB"))).mean) / 3


PAINT = {1: (255, 0, 0), 2: (52, 204, 103), 3: (255, 255, 0), 4: (0, 204, 255), 5: (255, 102, 0),
         6: (204, 51, 255), 7: (178, 178, 178), 8: (255, 255, 255), 9: (204, 103, 51),
         10: (0, 0, 255), 11: (30, 30, 30), 12: (255, 0, 255)}
PAINT_TOLERANCE = 3


def check(assets, resources):
    failures = []
    pictures = os.path.join(assets, "PICTURE")

    def opened(path):
        if not os.path.exists(path):
            failures.append(f"missing: {path}")
            return None
        try:
            img = Image.open(path)
            img.load()
            return img
        except OSError as exc:
            failures.append(f"unreadable: {path}: {exc}")
            return None

    for name, size in sorted(expected_pictures().items()):
        img = opened(os.path.join(pictures, name))
        if img is None:
            continue
        if img.size != size:
            failures.append(f"{name}: {img.size[0]}x{img.size[1]}, want {size[0]}x{size[1]}")
        if name.endswith(".JPG") and (img.format != "JPEG" or "exif" in img.info):
            failures.append(f"{name}: not a plain JPEG ({img.format}, {sorted(img.info)})")

    # the middle of every swatch is its paint colour, in all three states
    for nn, rgb in PAINT.items():
        for phase in (1, 2, 3):
            img = opened(os.path.join(pictures, f"BOJE{phase}_{nn:02d}.JPG"))
            if img is None:
                continue
            px = img.convert("RGB").getpixel((42, 42))
            if max(abs(a - b) for a, b in zip(px, rgb)) > PAINT_TOLERANCE:
                failures.append(f"BOJE{phase}_{nn:02d}.JPG: middle is {px}, paint is {rgb}")

    for plain_name, lit_name in highlight_pairs():
        plain = opened(os.path.join(pictures, plain_name))
        lit = opened(os.path.join(pictures, lit_name))
        if plain is None or lit is None or plain.size != lit.size:
            continue
        diff = mean_difference(plain, lit)
        extra = yellow_share(lit) - yellow_share(plain)
        if diff < MIN_MEAN_DIFFERENCE or extra < MIN_EXTRA_YELLOW:
            failures.append(f"{lit_name} is hardly a highlighted {plain_name}: "
                            f"mean difference {diff:.1f}, extra yellow {extra:.1%}")

    for name, size in EXPECTED_RESOURCES.items():
        img = opened(os.path.join(resources, name))
        if img is not None and (img.size != size or img.mode != "RGBA"):
            failures.append(f"{name}: {img.size} {img.mode}, want {size} RGBA")
    splash = opened(os.path.join(resources, "splash.png"))
    if splash is not None:
        (wlo, whi), (hlo, hhi) = SPLASH_RANGE
        if not (wlo <= splash.width <= whi and hlo <= splash.height <= hhi):
            failures.append(f"splash.png: {splash.size}, want about 560x340")

    for name, (x, y) in HOT_SPOTS.items():
        path = os.path.join(assets, name) if name.startswith("PICTURE/") else \
            os.path.join(resources, name)
        img = opened(path)
        if img is None:
            continue
        rgba = img.convert("RGBA")
        alpha = rgba.getchannel("A")
        if alpha.getextrema()[0] != 0:
            failures.append(f"{name}: no transparent pixels")
        if rgba.getpixel((x, y))[3] < 200:
            failures.append(f"{name}: active point {x},{y} is not solid")
    return failures


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--assets", default=os.path.join(ROOT, "assets"))
    ap.add_argument("--resources", default=os.path.join(ROOT, "resources"))
    args = ap.parse_args()
    failures = check(args.assets, args.resources)
    for f in failures:
        print("FAIL", f)
    n = len(expected_pictures()) + len(EXPECTED_RESOURCES) + 1
    print(f"ui check: {n} files, {len(failures)} problems")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
