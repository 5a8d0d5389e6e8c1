#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""Render every interface picture: screens, palette, buttons, panels, thumbnails,
pointers, the program icon and the splash.

    art/ui/build.py --out ASSETS [--resources DIR]

Writes ASSETS/PICTURE/*.JPG and the two .ICO pointers, and the window-definition
PNGs into DIR (default: resources/ at the top of the tree). Thumbnails are made
from the drawings ASSETS/PICTURE/NN.GIF, so render the drawings first; a missing
drawing gets a placeholder thumbnail and a warning.

Deterministic: the same sources give the same bytes.
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import buttons  # noqa: E402
import cursors  # noqa: E402
import gallery  # noqa: E402
import palette  # noqa: E402
import panels  # noqa: E402
import screens  # noqa: E402
from svgkit import save_jpeg  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(HERE))


def build(out_dir, resource_dir):
    pictures = os.path.join(out_dir, "PICTURE")
    os.makedirs(pictures, exist_ok=True)
    os.makedirs(resource_dir, exist_ok=True)

    colouring = screens.colouring_screen()
    gallery_bg = screens.gallery_screen()
    images = {"GLAVNA.JPG": colouring, "GALERIJA.JPG": gallery_bg}
    images.update(buttons.build_column(colouring))
    images.update(palette.build(colouring))
    images.update(gallery.back_faces(gallery_bg))
    thumbs, missing = gallery.build_thumbnails(gallery_bg, pictures)
    images.update(thumbs)
    images.update(panels.build())

    for name in sorted(images):
        save_jpeg(images[name], os.path.join(pictures, name))
    others = cursors.build(pictures, resource_dir)

    print(f"ui: {len(images)} pictures and {len(others)} pointers/icons written")
    if missing:
        print("ui: no drawing yet for " + ", ".join(f"{n:02d}.GIF" for n in missing)
              + ": their thumbnails are placeholders; build again once they exist",
              file=sys.stderr)
    return sorted(images)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", required=True, help="the assets folder (PICTURE/ is inside it)")
    ap.add_argument("--resources", default=os.path.join(ROOT, "resources"),
                    help="where the window-definition PNGs go")
    args = ap.parse_args()
    build(args.out, args.resources)


if __name__ == "__main__":
    main()
