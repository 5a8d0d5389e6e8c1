# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""The twelve paint swatches, each in three states: normal, lit and chosen.

A swatch is a paint drop of exactly its paint colour. The drop's body is flat and
large and its shine stays well away from the middle, so the middle of every file
still reads as the paint colour after JPEG coding.
"""
import buttons
import icons
import theme
from svgkit import Doc, circle, ellipse, group, over, rect

DROP_SCALE = 0.82


def _drop(doc, cx, top, rgb, zoom=1.0):
    """A flat drop of the exact colour, tip at top, zoomed about the middle of its body."""
    s = DROP_SCALE
    fill = icons.rgb_hex(rgb)
    body_y = top + (62 - 4) * s
    shape = icons.drop(doc, fill, sw=4, shine=False, flat=True)
    shine = ellipse(0, 0, 5.5, 11, fill="#FFFFFF", opacity=0.8, transform="translate(31,50) rotate(25)")
    if rgb == (255, 255, 255):
        shine = ellipse(0, 0, 5.5, 11, fill="#D5E6F5", transform="translate(31,50) rotate(25)")
    g = group(shape, shine, transform=f"translate({cx - 50 * s:.2f},{top - 4 * s:.2f}) scale({s})")
    if zoom != 1:
        g = group(g, transform=f"translate({cx:.2f},{body_y:.2f}) scale({zoom}) "
                               f"translate({-cx:.2f},{-body_y:.2f})")
    return g, body_y


def _shadow(doc, cx, y, rx):
    return ellipse(cx, y, rx, 4, fill=theme.SHADOW, opacity=0.25, filter=doc.blur(1.5))


def swatch(doc, rgb, visible_w, h, state):
    """state: 1 normal, 2 lit (under the mouse), 3 chosen."""
    cx = visible_w / 2
    top = 6
    out = []
    if state == 1:
        d, by = _drop(doc, cx, top, rgb)
        out += [_shadow(doc, cx, by + 26, 20), d]
    elif state == 2:
        halo = doc.radial([(0, theme.GLOW_SOFT), (0.72, theme.GLOW), (0.86, theme.GLOW, 0.55),
                           (1, theme.GLOW, 0)])
        out.append(circle(cx, 46, 42, fill=halo))
        d, by = _drop(doc, cx, top, rgb, zoom=1.08)
        out += [_shadow(doc, cx, by + 28, 22), d]
    else:
        out.append(buttons.tile(doc, 3, 2, visible_w - 6, h - 4, 16, ("#FFF6B8", "#FFCF3D"),
                                pressed=True))
        out.append(rect(3, 2, visible_w - 6, h - 4, 16, fill="none", stroke="#FF8A00",
                        stroke_width=3.5))
        d, by = _drop(doc, cx, top, rgb, zoom=1.04)
        out.append(d)
        out.append(icons.sparkle(cx - 27, 20, 7, fill="#FFFFFF", stroke=theme.INK, sw=1.2))
        out.append(icons.sparkle(cx + 27, 14, 5, fill="#FFFFFF", stroke=theme.INK, sw=1.2))
        # the tick badge says "this one"
        bx, by2 = cx + 24, h - 18
        out.append(circle(bx, by2, 11, fill="#21B24B", stroke=theme.INK, stroke_width=2.5))
        out.append(group(icons.tick(sw=7), transform=f"translate({bx - 8.5},{by2 - 8.5}) scale(0.42)"))
    return "".join(out)


def build(screen):
    """{file name: image} for BOJE1_nn, BOJE2_nn and BOJE3_nn over the colouring screen."""
    out = {}
    for nn, _name, rgb, left, width in theme.PALETTE:
        visible = min(width, theme.PALETTE_VISIBLE_W)
        bg = screen.crop((left, theme.PALETTE_TOP, left + width, theme.PALETTE_TOP + theme.PALETTE_H))
        for state in (1, 2, 3):
            doc = Doc(width, theme.PALETTE_H)
            doc.add(swatch(doc, rgb, visible, theme.PALETTE_H, state))
            out[f"BOJE{state}_{nn:02d}.JPG"] = over(bg, doc.render()).convert("RGB")
    return out
