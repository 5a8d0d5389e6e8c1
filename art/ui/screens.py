# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""The two full-window backdrops: the colouring screen and the gallery."""
import random

import brand
import icons
import theme
from svgkit import Doc, group, rect, rainbow_text, text

W, H = theme.SCREEN


def _sky(doc, seed):
    sky = doc.linear([(0, theme.SKY_TOP), (1, theme.SKY_BOTTOM)])
    rng = random.Random(seed)
    return rect(0, 0, W, H, 0, fill=sky) + brand.clouds_and_dots(rng, 0, 0, W, H, 90, 3, 14,
                                                                 opacity=0.28)


def _card(doc, x, y, w, h, r=18, fill=theme.CARD, edge=theme.CARD_EDGE, shadow=True):
    out = []
    if shadow:
        out.append(rect(x + 3, y + 6, w, h, r, fill=theme.SHADOW, opacity=0.28,
                        filter=doc.blur(5)))
    out.append(rect(x, y, w, h, r, fill=fill, stroke=edge, stroke_width=2))
    return "".join(out)


def _canvas_frame(doc):
    """A rainbow ribbon round the canvas, with a white mat just inside it."""
    x, y, w, h = theme.CANVAS
    m = 12
    out = [rect(x - m + 3, y - m + 7, w + 2 * m, h + 2 * m, 18, fill=theme.SHADOW, opacity=0.35,
                filter=doc.blur(6))]
    ribbon = doc.linear([(i / 5, c) for i, c in enumerate(theme.RAINBOW)], 0, 0, 1, 1)
    out.append(rect(x - m, y - m, w + 2 * m, h + 2 * m, 18, fill=ribbon, stroke=theme.INK,
                    stroke_width=2))
    out.append(rect(x - 4, y - 4, w + 8, h + 8, 6, fill="#FFFFFF", stroke=theme.INK,
                    stroke_width=1.5, stroke_opacity=0.5))
    return "".join(out)


def colouring_screen():
    doc = Doc(W, H)
    doc.add(_sky(doc, 11))
    lx, ly, lw, lh = theme.LOGO_AREA
    doc.add(_canvas_frame(doc))
    doc.add(_card(doc, *theme.RIGHT_CARD))
    doc.add(_card(doc, *theme.PALETTE_CARD))
    doc.add(brand.logo(doc, lx, ly, lw, lh))
    # little flourishes in the corner of the right board that no control uses
    doc.add(icons.star(968, 594, 11, fill=theme.RAINBOW[2]))
    doc.add(icons.star(992, 626, 7, fill=theme.RAINBOW[0], sw=2))
    doc.add(icons.star(955, 636, 6, fill=theme.RAINBOW[4], sw=2))
    return doc.render().convert("RGB")


def gallery_screen():
    doc = Doc(W, H)
    doc.add(_sky(doc, 23))
    bx, by, bw, bh = theme.GALLERY_BOARD
    doc.add(_card(doc, bx, by, bw, bh, r=22, fill="#FFF7E0", edge="#F5D98C"))
    tw, th = theme.THUMB_SIZE
    cells = []
    for n in range(1, 26):
        x, y, _, _ = theme.thumb_rect(n)
        cells.append(rect(x + 2, y + 5, tw, th, 12, fill=theme.SHADOW, opacity=0.3))
    doc.add(group(*cells, filter=doc.blur(4)))
    for n in range(1, 26):
        x, y, _, _ = theme.thumb_rect(n)
        doc.add(rect(x - 3, y - 3, tw + 6, th + 6, 14, fill="#FFFFFF", stroke="#F0CF74",
                     stroke_width=2))
    # the free right-hand side: the mark, an invitation and a pointing mascot
    cx = 900
    doc.add(brand.mark(doc, cx, 150, 95))
    doc.add(rainbow_text(cx, 232, "Rainbow Drop", 30, stroke_width=6))
    doc.add(icons.cloud(790, 300, 0.55))
    doc.add(text(cx, 380, "Pick a", 44, fill="#FFFFFF", stroke=theme.INK, stroke_width=8))
    doc.add(text(cx, 430, "picture!", 44, fill="#FFFFFF", stroke=theme.INK, stroke_width=8))
    doc.add(icons.place_drop(doc, cx + 20, 560, 1.05, "#3DB3FF", face=True, sw=4.5))
    # the mascot points at the pictures
    doc.add(group(icons.arrow_left(fill=theme.RAINBOW[1], sw=3),
                  transform=f"translate({cx - 100},{520}) scale(1.6)"))
    doc.add(icons.star(800, 660, 12, fill=theme.RAINBOW[2]))
    doc.add(icons.star(1000, 690, 9, fill=theme.RAINBOW[5]))
    doc.add(icons.star(960, 290, 8, fill=theme.RAINBOW[0]))
    doc.add(icons.cloud(860, 680, 0.75))
    return doc.render().convert("RGB")
