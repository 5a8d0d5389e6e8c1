#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""Tests of the drawing pipeline: the checker must catch each fault a drawing
can have, the build must clean and write exactly what the program reads, and
the committed drawings must be what their sources give.

    /usr/bin/python3 art/drawings/test_drawings.py [-v]
"""
import os
import sys
import tempfile
import unittest

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True   # no __pycache__ beside the sources
import build  # noqa: E402
import check  # noqa: E402

W, H = build.WIDTH, build.HEIGHT
ASSETS = os.path.join(os.path.dirname(os.path.dirname(HERE)), "assets")


def read(path):
    with open(path, "rb") as f:
        return f.read()


def grid():
    """A sheet that passes: a 3 x 3 grid of boxes drawn with 6 px lines
    (9 boxes + the background = 10 areas) spanning most of the sheet."""
    im = Image.new("L", (W, H), 255)
    d = ImageDraw.Draw(im)
    for i in range(4):
        x = 75 + i * 200
        d.rectangle([x - 3, 40, x + 2, 560], fill=0)
    for j in range(4):
        y = 40 + j * 173
        d.rectangle([75, y - 3, 675, y + 2], fill=0)
    return im, d


def one_px_wall(im, d):
    d.line([175, 40, 175, 213], fill=0, width=1)


def diagonal_wall(im, d):
    # A staircase of single pixels from a box's corner to its right side:
    # a 4-connected fill stops there, but only just.
    for k in range(170):
        im.putpixel((78 + k, 43 + k), 0)


def dust(im, d):
    d.rectangle([120, 100, 124, 104], fill=0)


def hole_in_line(im, d):
    d.rectangle([270, 200, 284, 216], fill=0)
    d.rectangle([275, 205, 279, 209], fill=255)   # 25 px


def too_few_areas(im, d):
    d.rectangle([78, 216, 672, 557], fill=255)


def small_areas(im, d):
    for k in range(4):
        x = 100 + 40 * k
        d.rectangle([x, 100, x + 18, 118], outline=0, width=4)


def tiny_and_off_centre(im, d):
    d.rectangle([0, 0, W, H], fill=255)
    for k in range(8):
        x = 10 + 22 * k
        d.rectangle([x, 10, x + 20, 60], outline=0, width=4)


FAULTS = [
    # (name, how to spoil the grid, words the report must contain)
    ("line 1 px thin between two areas", one_px_wall, "thinner than 2 px between two areas"),
    ("areas meeting at a corner only", diagonal_wall, "only at a corner"),
    ("dust", dust, "speck clean-up"),
    ("hole in a line", hole_in_line, "speck clean-up"),
    ("too few areas", too_few_areas, "fillable areas, need 8 to 60"),
    ("more than three small areas", small_areas, "areas under 150 px"),
    ("drawing small and in a corner", tiny_and_off_centre, "spans only"),
]


class CheckerFindsFaults(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.path = os.path.join(self.tmp.name, "01.GIF")

    def tearDown(self):
        self.tmp.cleanup()

    def problems_of(self, im):
        build.write_gif(im, self.path)
        return check.check_drawing(self.path)

    def test_clean_grid_passes(self):
        im, _ = grid()
        summary, problems = self.problems_of(im)
        self.assertEqual(problems, [])
        self.assertIn("areas 10", summary)

    def test_each_fault_is_reported(self):
        for name, spoil, words in FAULTS:
            with self.subTest(name):
                im, d = grid()
                spoil(im, d)
                _, problems = self.problems_of(im)
                self.assertTrue(any(words in p for p in problems), problems)

    def test_smallest_area_and_its_box_are_reported(self):
        im, d = grid()
        d.rectangle([300, 300, 340, 330], outline=0, width=6)
        summary, _ = self.problems_of(im)
        # interior of a 41 x 31 box with 6 px walls: 29 x 19
        self.assertIn("smallest   551 px at x 306-334 y 306-324", summary)

    def test_foreign_colour_and_palette_are_reported(self):
        im, _ = grid()
        rgb = im.convert("RGB")
        ImageDraw.Draw(rgb).rectangle([100, 100, 140, 140], fill=(255, 0, 0))
        rgb.save(self.path, format="GIF")
        _, problems = check.check_drawing(self.path)
        self.assertTrue(any("colours besides black and white" in p for p in problems), problems)
        self.assertTrue(any(p.startswith("palette") for p in problems), problems)

    def test_padded_palette_is_reported(self):
        # What the encoder writes unaided: black, white and two spare blacks.
        im, _ = grid()
        p = im.point(lambda v: 1 if v else 0).convert("P")
        p.putpalette(build.PALETTE)
        p.save(self.path, format="GIF", optimize=False)
        _, problems = check.check_drawing(self.path)
        self.assertTrue(any(p.startswith("palette") for p in problems), problems)

    def test_wrong_size_is_reported(self):
        Image.new("L", (640, 480), 255).save(self.path, format="GIF")
        _, problems = check.check_drawing(self.path)
        self.assertTrue(any("size 640x480" in p for p in problems), problems)

    def test_blank_sheet_with_ink_fails(self):
        im = Image.new("L", (W, H), 255)
        ImageDraw.Draw(im).rectangle([10, 10, 20, 20], fill=0)
        build.write_gif(im, self.path)
        _, problems = check.check_blank(self.path)
        self.assertTrue(any("black px on the blank sheet" in p for p in problems), problems)


class Build(unittest.TestCase):
    def test_clean_fills_holes_and_removes_dust_once(self):
        im, d = grid()
        dust(im, d)
        hole_in_line(im, d)
        data = bytearray(im.tobytes())
        changed = build.clean(data, W, H)
        self.assertEqual(changed, 25 + 25)
        self.assertEqual(data[102 * W + 122], build.WHITE)   # dust gone
        self.assertEqual(data[208 * W + 277], build.BLACK)   # hole filled
        self.assertEqual(build.clean(data, W, H), 0)

    def test_clean_keeps_a_diagonal_line_whole(self):
        # Pixels touching only at corners are one line, not 40 specks.
        im = Image.new("L", (W, H), 255)
        for k in range(40):
            im.putpixel((100 + k, 100 + k), 0)
        data = bytearray(im.tobytes())
        self.assertEqual(build.clean(data, W, H), 0)

    def test_gif_has_two_colours_and_round_trips(self):
        im, d = grid()
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "x.GIF")
            build.write_gif(im, path)
            raw = read(path)
            self.assertEqual(raw[10] & 7, 0)          # a two-entry colour table
            self.assertEqual(raw[13:19], bytes([0, 0, 0, 255, 255, 255]))
            with Image.open(path) as back:
                self.assertEqual(back.getpalette(), build.PALETTE)
                self.assertEqual(back.convert("L").tobytes(), im.tobytes())
            build.write_gif(im, path)
            self.assertEqual(read(path), raw)

    def test_threshold_leaves_no_grey(self):
        rgba = Image.new("RGBA", (W, H), (0, 0, 0, 0))
        ImageDraw.Draw(rgba).ellipse([100, 100, 300, 250], fill=(90, 90, 90, 200))
        levels = set(build.to_bilevel(rgba).tobytes())
        self.assertEqual(levels, {0, 255})


class CommittedDrawings(unittest.TestCase):
    """The drawings in assets/ pass the checker and are what their sources
    give today (a forgotten rebuild shows up here)."""

    def sources(self):
        return sorted(int(f[:2]) for f in os.listdir(HERE)
                      if len(f) == 6 and f.endswith(".svg") and f[:2].isdigit())

    def test_every_committed_drawing_passes(self):
        for n in [0] + self.sources():
            path = os.path.join(ASSETS, "PICTURE", f"{n:02d}.GIF")
            with self.subTest(drawing=n):
                fn = check.check_blank if n == 0 else check.check_drawing
                _, problems = fn(path)
                self.assertEqual(problems, [])

    def test_rebuild_gives_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as tmp:
            build.main(["--out", tmp])
            for n in [0] + self.sources():
                name = f"{n:02d}.GIF"
                with self.subTest(drawing=n):
                    fresh = read(os.path.join(tmp, "PICTURE", name))
                    committed = read(os.path.join(ASSETS, "PICTURE", name))
                    self.assertEqual(fresh, committed, f"{name} is stale: run art/generate")


if __name__ == "__main__":
    unittest.main()
