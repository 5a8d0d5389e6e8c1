#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""One review sheet of every picture: the screens put together as the program
shows them, the drawings, thumbnail pairs, every button state side by side, the
palette, the panels, pointers and icons, each labelled with its file name.

    art/ui/contact_sheet.py --assets ASSETS --out sheet.png [--resources DIR]
"""
import argparse
import os
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import theme  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(HERE))
SHEET_W = 2100
PAD = 14
LABEL_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
HEAD_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
BG = (236, 238, 242)

# How each screen is put together: control -> picture, in the program's start-up state ...
START_STATE = {"MoreImages": "MOREIMAGES1.JPG", "Rubber": "GUMICA1.JPG", "Papir": "PAPIR1.JPG",
               "MuteWave": "ZVUCNIK1.JPG", "MusicOn": "MUSICOFF2.JPG", "olovka": "OLOVKA2.JPG",
               "kapljica": "KAPLJICA1.JPG"}
# ... and in the middle of use: brush on, music on, effects off, the mouse over MoreImages.
BUSY_STATE = {"MoreImages": "MOREIMAGES2.JPG", "Rubber": "GUMICA1.JPG", "Papir": "PAPIR1.JPG",
              "MuteWave": "SOUNDOFF2.JPG", "MusicOn": "MUZIKA1.JPG", "olovka": "OLOVKA1.JPG",
              "kapljica": "KAPLJICA2.JPG"}
# Stacking, front to back, as far as these controls overlap: Papir lies over Rubber.
PAINT_ORDER = ["MusicOn", "MuteWave", "MoreImages", "kapljica", "olovka", "Rubber", "Papir"]
PANEL_AT = (312, 259)


class Sheet:
    """Shelf layout: items flow left to right in rows under section headings."""

    def __init__(self):
        self.items = []        # (kind, payload)
        self.font = ImageFont.truetype(LABEL_FONT, 13)
        self.head = ImageFont.truetype(HEAD_FONT, 24)

    def section(self, title):
        self.items.append(("head", title))

    def add(self, img, label, scale=1):
        if scale != 1:
            img = img.resize((round(img.width * scale), round(img.height * scale)),
                             Image.NEAREST if scale > 1 else Image.LANCZOS)
        self.items.append(("img", (img, label)))

    def newline(self):
        self.items.append(("br", None))

    def _layout(self):
        x, y, row_h, placed = PAD, PAD, 0, []
        for kind, payload in self.items:
            if kind in ("head", "br"):
                if x > PAD:
                    y += row_h + PAD
                x, row_h = PAD, 0
                if kind == "head":
                    placed.append(("head", payload, PAD, y + 8))
                    y += 44
                continue
            img, label = payload
            w, h = img.width, img.height + 18
            if x + w > SHEET_W - PAD and x > PAD:
                x, y, row_h = PAD, y + row_h + PAD, 0
            placed.append(("img", payload, x, y))
            x += int(max(w, self.font.getlength(label) + 4)) + PAD
            row_h = max(row_h, h)
        return placed, y + row_h + PAD

    def render(self):
        placed, height = self._layout()
        sheet = Image.new("RGB", (SHEET_W, height), BG)
        draw = ImageDraw.Draw(sheet)
        for kind, payload, x, y in placed:
            if kind == "head":
                draw.text((x, y), payload, font=self.head, fill=(46, 37, 80))
                draw.line((x, y + 32, SHEET_W - PAD, y + 32), fill=(180, 180, 200), width=2)
                continue
            img, label = payload
            if img.mode == "RGBA":
                sheet.paste(checkerboard(img.size), (x, y))
                sheet.paste(img, (x, y), img)
            else:
                sheet.paste(img.convert("RGB"), (x, y))
            draw.text((x, y + img.height + 2), label, font=self.font, fill=(40, 40, 60))
        return sheet


def checkerboard(size, cell=8):
    img = Image.new("RGB", size, (255, 255, 255))
    d = ImageDraw.Draw(img)
    for yy in range(0, size[1], cell):
        for xx in range(0, size[0], cell):
            if (xx // cell + yy // cell) % 2:
                d.rectangle((xx, yy, xx + cell - 1, yy + cell - 1), fill=(200, 204, 212))
    return img


class Assets:
    def __init__(self, assets, resources):
        self.pictures = os.path.join(assets, "PICTURE")
        self.resources = resources

    def pic(self, name):
        path = os.path.join(self.pictures, name)
        if not os.path.exists(path):
            return missing_tile(name)
        img = Image.open(path)
        return img.convert("RGBA") if name.endswith(".ICO") else img.convert("RGB")

    def res(self, name):
        path = os.path.join(self.resources, name)
        if not os.path.exists(path):
            return missing_tile(name)
        return Image.open(path).convert("RGBA")


def missing_tile(name):
    img = Image.new("RGB", (120, 60), (255, 220, 220))
    ImageDraw.Draw(img).text((6, 22), "missing", fill=(160, 0, 0))
    return img


def colouring_mockup(a, state, palette_state, drawing="01.GIF"):
    scr = a.pic("GLAVNA.JPG").copy()
    x, y, w, h = theme.CANVAS
    canvas = a.pic(drawing)
    scr.paste(canvas.resize((w, h)) if canvas.size != (w, h) else canvas, (x, y))
    for nn, _name, _rgb, left, width in theme.PALETTE:
        img = a.pic(f"BOJE{palette_state.get(nn, 1)}_{nn:02d}.JPG")
        # the box shows at most PALETTE_VISIBLE_W columns
        img = img.crop((0, 0, min(width, theme.PALETTE_VISIBLE_W), img.height))
        scr.paste(img, (left, theme.PALETTE_TOP))
    for control in PAINT_ORDER:
        cx, cy, cw, ch = theme.CONTROLS[control]
        img = a.pic(state[control])
        if control == "MusicOn":
            img = img.crop((0, 0, 78, 78))
        scr.paste(img, (cx, cy))
    return scr


def gallery_mockup(a, lit=7):
    scr = a.pic("GALERIJA.JPG").copy()
    scr.paste(a.pic("BACK1.JPG"), theme.BACK[:2])
    for n in range(1, 26):
        kind = "ZUTE" if n == lit else "BELE"
        scr.paste(a.pic(f"GALERIJA1{kind}_{theme.thumb_number(n):02d}.JPG"), theme.thumb_rect(n)[:2])
    return scr


def panel_mockup(a, screen, panel, buttons_):
    scr = screen.copy()
    px, py = PANEL_AT
    scr.paste(a.pic(panel), (px, py))
    for name, (bx, by, _bw, _bh) in buttons_:
        scr.paste(a.pic(name), (px + bx, py + by))
    return scr


def build(assets, resources, out):
    a = Assets(assets, resources)
    s = Sheet()

    s.section("Screens as the program shows them (start-up; in use; gallery; panels)")
    start = colouring_mockup(a, START_STATE, {})
    busy = colouring_mockup(a, BUSY_STATE, {1: 3, 2: 2}, drawing="02.GIF")
    gal = gallery_mockup(a)
    s.add(start, "colouring screen at start-up")
    s.add(busy, "in use: brush, red chosen, mouse on green and MoreImages, music on, effects off")
    s.add(gal, "gallery, mouse on thumbnail 7")
    exit_rects = theme.EXIT_BUTTONS
    info_rects = theme.INFO_BUTTONS
    s.add(panel_mockup(a, start, "CTRLX.JPG", [("YES1.JPG", exit_rects["YES"]),
                                               ("NO2.JPG", exit_rects["NO"])]),
          "Ctrl+X over the colouring screen (mouse on No)")
    info = [("VISIT2.JPG", info_rects["VISIT"]), ("CTRLRZEB1.JPG", info_rects["CTRLRZEB"]),
            ("CLOSE1.JPG", info_rects["CLOSE"])]
    s.add(panel_mockup(a, gal, "CTRL-R.JPG", info), "Ctrl+R over the gallery (mouse on Visit)")
    s.add(panel_mockup(a, busy, "PRINTING.JPG", []), "printing")

    s.section("Backgrounds and panels")
    for name in ("GLAVNA.JPG", "GALERIJA.JPG"):
        s.add(a.pic(name), name, 0.5)
    for name in ("CTRLX.JPG", "CTRL-R.JPG", "PRINTING.JPG"):
        s.add(a.pic(name), name)

    s.section("Drawings (NN.GIF)")
    for n in range(0, 26):
        s.add(a.pic(f"{n:02d}.GIF"), f"{n:02d}.GIF", 0.25)

    s.section("Thumbnails: normal and lit")
    for n in range(1, 26):
        xx = theme.thumb_number(n)
        s.add(a.pic(f"GALERIJA1BELE_{xx:02d}.JPG"), f"BELE_{xx:02d}")
        s.add(a.pic(f"GALERIJA1ZUTE_{xx:02d}.JPG"), f"ZUTE_{xx:02d}")

    s.section("Buttons: each state side by side (zoomed 2x)")
    groups = [["MOREIMAGES1.JPG", "MOREIMAGES2.JPG"], ["GUMICA1.JPG", "GUMICA2.JPG"],
              ["PAPIR1.JPG", "PAPIR2.JPG"],
              ["ZVUCNIK1.JPG", "ZVUCNIK2.JPG", "SOUNDOFF2.JPG", "SOUNDOFF1.JPG"],
              ["MUZIKA1.JPG", "MUZIKA2.JPG", "MUSICOFF2.JPG", "MUSICOFF1.JPG"],
              ["KAPLJICA1.JPG", "KAPLJICA2.JPG", "OLOVKA1.JPG", "OLOVKA2.JPG"],
              ["BACK1.JPG", "BACK2.JPG"], ["YES1.JPG", "YES2.JPG", "NO1.JPG", "NO2.JPG"],
              ["VISIT1.JPG", "VISIT2.JPG"], ["CTRLRZEB1.JPG", "CTRLRZEB2.JPG"],
              ["CLOSE1.JPG", "CLOSE2.JPG"]]
    for g in groups:
        for name in g:
            s.add(a.pic(name), name, 2)

    s.section("Palette: normal (BOJE1), lit (BOJE2), chosen (BOJE3)")
    for phase in (1, 2, 3):
        for nn in range(1, 13):
            s.add(a.pic(f"BOJE{phase}_{nn:02d}.JPG"), f"BOJE{phase}_{nn:02d}")
        s.newline()

    s.section("Pointers (zoomed 4x, hot spot marked red), icons and splash")
    hot = {"KANTICA8.ICO": theme.CANVAS_POINTER_TIP, "CETKA.ICO": theme.CANVAS_POINTER_TIP}
    hot.update({k: v[1] for k, v in theme.RESOURCE_CURSORS.items()})
    for name in ("KANTICA8.ICO", "CETKA.ICO"):
        s.add(mark_hot(a.pic(name), hot[name]), name)
    for name in theme.RESOURCE_CURSORS:
        s.add(mark_hot(a.res(name), hot[name]), name)
    s.add(a.res("icon32.png"), "icon32.png", 4)
    s.add(a.res("icon256.png"), "icon256.png")
    s.add(a.res("splash.png"), "splash.png")

    sheet = s.render()
    sheet.save(out, "PNG")
    return sheet.size


def mark_hot(img, at, zoom=4):
    big = img.resize((img.width * zoom, img.height * zoom), Image.NEAREST)
    d = ImageDraw.Draw(big)
    x, y = at
    d.rectangle((x * zoom, y * zoom, x * zoom + zoom - 1, y * zoom + zoom - 1),
                outline=(255, 0, 0, 255))
    return big


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--assets", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--resources", default=os.path.join(ROOT, "resources"))
    args = ap.parse_args()
    w, h = build(args.assets, args.resources, args.out)
    print(f"contact sheet: {args.out} ({w} x {h})")


if __name__ == "__main__":
    main()
