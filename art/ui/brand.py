# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""The product's mark: a rainbow with a smiling drop under it, and its name."""
import theme
from svgkit import circle, group, rainbow_text, rect
import icons


def mark(doc, cx, base, r, face=True, clouds=True):
    """Rainbow of outer radius r standing on y = base, the drop mascot under its middle
    and a cloud at each foot."""
    band = r * 0.11
    out = [icons.rainbow(cx, base, r, band, ow=band * 0.3, rim_w=band * 0.3)]
    s = r * 0.0105
    out.append(icons.place_drop(doc, cx, base - r * 0.02, s, "#3DB3FF", face=face, sw=4.5))
    if clouds:
        foot = r - band * 3
        cs = r * 0.0074
        for fx in (cx - foot, cx + foot):
            out.append(icons.cloud(fx - 52 * cs, base - 32 * cs, cs, edge=theme.INK,
                                   ew=max(1.2, 3 * cs)))
    return "".join(out)


def logo(doc, x, y, w=217, h=235):
    """The colouring screen's corner logo: mark above a two-line name."""
    cx = x + w / 2
    out = [mark(doc, cx, y + h * 0.48, w * 0.42)]
    out.append(rainbow_text(cx, y + h * 0.71, "Rainbow", w * 0.215, stroke_width=7))
    out.append(rainbow_text(cx, y + h * 0.93, "Drop", w * 0.25, stroke_width=7,
                            colours=theme.RAINBOW[3:] + theme.RAINBOW[:3]))
    return "".join(out)


def app_icon(doc, size):
    """Rounded sky tile, rainbow, drop: the window and launcher icon."""
    s = size / 256
    sky = doc.linear([(0, theme.SKY_TOP), (1, "#E9F8FF")])
    out = [rect(8 * s, 8 * s, 240 * s, 240 * s, 52 * s, fill=sky, stroke=theme.INK,
                stroke_width=max(1.2, 8 * s))]
    out.append(mark(doc, 128 * s, 166 * s, 108 * s, face=size >= 64))
    return "".join(out)


def clouds_and_dots(rng, x0, y0, w, h, count, r_lo, r_hi, fill="#FFFFFF", opacity=0.35):
    """A sprinkle of soft dots, placed by a seeded generator so every build is the same."""
    out = []
    for _ in range(count):
        cx = x0 + rng.random() * w
        cy = y0 + rng.random() * h
        r = r_lo + rng.random() * (r_hi - r_lo)
        out.append(circle(round(cx, 1), round(cy, 1), round(r, 1), fill=fill, opacity=opacity))
    return group(*out)
