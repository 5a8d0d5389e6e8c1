# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""The pictograms: each function returns SVG drawn in its own unit box (given in
its docstring), to be put in place with svgkit.place().

One outline colour and rounded joins everywhere keep the set looking like one family.
"""
import math

import theme
from svgkit import circle, ellipse, group, line, path, polygon, rect

INK = theme.INK
ROUND = {"stroke_linejoin": "round", "stroke_linecap": "round"}


def _rot(x, y, deg):
    a = math.radians(deg)
    return x * math.cos(a) - y * math.sin(a), x * math.sin(a) + y * math.cos(a)


def sparkle(cx, cy, r, fill="#FFFFFF", stroke=None, sw=0):
    """A four-pointed twinkle centred on cx,cy."""
    k = r * 0.28
    d = (f"M{cx} {cy - r} Q{cx + k} {cy - k} {cx + r} {cy} Q{cx + k} {cy + k} {cx} {cy + r} "
         f"Q{cx - k} {cy + k} {cx - r} {cy} Q{cx - k} {cy - k} {cx} {cy - r} Z")
    return path(d, fill=fill, stroke=stroke or "none", stroke_width=sw, **ROUND)


def star(cx, cy, r, fill="#FFD93B", stroke=INK, sw=2.5, points=5, inner=0.5, rotate=0):
    pts = []
    for i in range(points * 2):
        rr = r if i % 2 == 0 else r * inner
        a = math.radians(rotate - 90 + i * 180 / points)
        pts.append((round(cx + rr * math.cos(a), 2), round(cy + rr * math.sin(a), 2)))
    return polygon(pts, fill=fill, stroke=stroke or "none", stroke_width=sw, **ROUND)


DROP_PATH = "M50 4 C58 18 83 38 83 62 A33 33 0 1 1 17 62 C17 38 42 18 50 4 Z"


def drop(doc, fill=None, outline=INK, sw=4, shine=True, face=False, flat=False):
    """Unit box 100 x 100: a drop with its tip up and its round body centred at 50,62."""
    if fill is None:
        fill = "#3DB3FF"
    paint = fill
    if not flat:
        paint = doc.linear([(0, _mix(fill, "#FFFFFF", 0.35)), (1, fill)], 0.2, 0, 0.8, 1)
    out = [path(DROP_PATH, fill=paint, stroke=outline, stroke_width=sw, **ROUND)]
    if shine:
        out.append(ellipse(0, 0, 5.5, 11, fill="#FFFFFF", opacity=0.75,
                           transform="translate(33,52) rotate(25)"))
        out.append(circle(36, 70, 3, fill="#FFFFFF", opacity=0.6))
    if face:
        out.append(face_marks(50, 64, 1.0))
    return "".join(out)


def face_marks(cx, cy, s):
    """Two eyes, rosy cheeks and a smile, about 40 x 20 units at scale 1."""
    return "".join([
        ellipse(cx - 11 * s, cy - 4 * s, 3.6 * s, 5 * s, fill=INK),
        ellipse(cx + 11 * s, cy - 4 * s, 3.6 * s, 5 * s, fill=INK),
        circle(cx - 9.8 * s, cy - 6 * s, 1.4 * s, fill="#FFFFFF"),
        circle(cx + 12.2 * s, cy - 6 * s, 1.4 * s, fill="#FFFFFF"),
        ellipse(cx - 19 * s, cy + 5 * s, 4.5 * s, 3 * s, fill="#FF7BA5", opacity=0.7),
        ellipse(cx + 19 * s, cy + 5 * s, 4.5 * s, 3 * s, fill="#FF7BA5", opacity=0.7),
        path(f"M{cx - 8 * s} {cy + 5 * s} Q{cx} {cy + 13 * s} {cx + 8 * s} {cy + 5 * s}",
             fill="none", stroke=INK, stroke_width=3 * s, **ROUND),
    ])


def rainbow(cx, cy, r, band, colours=None, rim="#FFFFFF", rim_w=None, outline=INK, ow=None):
    """Concentric half rings, outermost first, standing on the line y = cy."""
    colours = colours or theme.RAINBOW
    n = len(colours)
    inner = r - band * n
    mid = (r + inner) / 2
    total = r - inner
    out = []
    if outline:
        ow = ow if ow is not None else band * 0.5
        rw = rim_w if rim_w is not None else band * 0.6
        out.append(path(f"M{cx - mid} {cy} A{mid} {mid} 0 0 1 {cx + mid} {cy}", fill="none",
                        stroke=outline, stroke_width=total + 2 * rw + 2 * ow))
    if rim:
        rw = rim_w if rim_w is not None else band * 0.6
        out.append(path(f"M{cx - mid} {cy} A{mid} {mid} 0 0 1 {cx + mid} {cy}", fill="none",
                        stroke=rim, stroke_width=total + 2 * rw))
    for i, c in enumerate(colours):
        rr = r - band * (i + 0.5)
        out.append(path(f"M{cx - rr} {cy} A{rr} {rr} 0 0 1 {cx + rr} {cy}", fill="none",
                        stroke=c, stroke_width=band + 0.6))
    return "".join(out)


def cloud(x, y, s, fill="#FFFFFF", edge="#A9D6F2", ew=2.5):
    """A puffy cloud about 100 x 50 at scale 1, its bottom left at x, y + 50 s."""
    puffs = [(22, 34, 16), (44, 22, 20), (68, 26, 17), (84, 36, 13), (52, 38, 16), (30, 40, 12)]
    outer = [circle(x + px * s, y + py * s, pr * s, fill=edge, stroke=edge, stroke_width=ew * 2)
             for px, py, pr in puffs]
    inner = [circle(x + px * s, y + py * s, pr * s, fill=fill) for px, py, pr in puffs]
    base = rect(x + 14 * s, y + 36 * s, 76 * s, 14 * s, 7 * s, fill=fill)
    base_o = rect(x + 14 * s, y + 36 * s, 76 * s, 14 * s, 7 * s, fill=edge, stroke=edge,
                  stroke_width=ew * 2)
    return "".join(outer) + base_o + "".join(inner) + base


def bucket(doc, paint="#FF4B4B", body="#49B6FF", pour=True, tilt=-38):
    """Unit box 100 x 140: a paint pail tipped over, its paint running down into a drop."""
    ox, oy = 60, 52
    p = lambda x, y: _rot(x, y, tilt)

    def pt(x, y):
        a, b = p(x, y)
        return f"{ox + a:.2f} {oy + b:.2f}"

    out = []
    # handle, behind the pail
    out.append(path(f"M{pt(-27, -24)} C{pt(-30, -66)} {pt(30, -66)} {pt(27, -24)}", fill="none",
                    stroke=INK, stroke_width=9, **ROUND))
    out.append(path(f"M{pt(-27, -24)} C{pt(-30, -66)} {pt(30, -66)} {pt(27, -24)}", fill="none",
                    stroke="#C9D3E0", stroke_width=4, **ROUND))
    # body
    shade = doc.linear([(0, _mix(body, "#FFFFFF", 0.45)), (0.55, body), (1, _mix(body, INK, 0.25))],
                       0, 0, 1, 0)
    body_d = (f"M{pt(-27, -24)} L{pt(-20, 30)} Q{pt(0, 40)} {pt(20, 30)} L{pt(27, -24)} "
              f"Q{pt(0, -14)} {pt(-27, -24)} Z")
    out.append(path(body_d, fill=shade, stroke=INK, stroke_width=4, **ROUND))
    # a rainbow band round the middle
    for i, c in enumerate(theme.RAINBOW[:4]):
        y0 = -2 + i * 5
        w0 = 27 - 7 * (y0 + 24) / 54
        w1 = 27 - 7 * (y0 + 5 + 24) / 54
        band = (f"M{pt(-w0 + 1.5, y0)} Q{pt(0, y0 + 8)} {pt(w0 - 1.5, y0)} L{pt(w1 - 1.5, y0 + 5)} "
                f"Q{pt(0, y0 + 13)} {pt(-w1 + 1.5, y0 + 5)} Z")
        out.append(path(band, fill=c))
    out.append(path(body_d, fill="none", stroke=INK, stroke_width=4, **ROUND))
    # rim and the paint inside
    rim = (f"M{pt(-27, -24)} Q{pt(0, -34)} {pt(27, -24)} Q{pt(0, -14)} {pt(-27, -24)} Z")
    out.append(path(rim, fill="#E8EEF6", stroke=INK, stroke_width=4, **ROUND))
    inside = (f"M{pt(-22, -23)} Q{pt(0, -30)} {pt(22, -23)} Q{pt(0, -17)} {pt(-22, -23)} Z")
    out.append(path(inside, fill=paint))
    # a drip down the front
    drip = (f"M{pt(-14, -19)} L{pt(-14, -6)} Q{pt(-10, 0)} {pt(-6, -6)} L{pt(-6, -17)} Z")
    out.append(path(drip, fill=paint, stroke=INK, stroke_width=2.5, **ROUND))
    if pour:
        lx, ly = p(-24, -24)
        sx, sy = ox + lx, oy + ly
        # the paint spills over the low lip and narrows as it falls, then a drop breaks off
        stream = (f"M{sx + 10:.2f} {sy - 5:.2f} C{sx - 6:.2f} {sy - 8:.2f} {sx - 13:.2f} {sy + 14:.2f} "
                  f"{sx - 8:.2f} {sy + 40:.2f} Q{sx - 4:.2f} {sy + 50:.2f} {sx - 1:.2f} {sy + 40:.2f} "
                  f"C{sx - 2:.2f} {sy + 22:.2f} {sx:.2f} {sy + 8:.2f} {sx + 14:.2f} {sy + 3:.2f} Z")
        out.append(path(stream, fill=paint, stroke=INK, stroke_width=4, **ROUND))
        out.append(place_drop(doc, sx - 4, sy + 68, 0.36, paint))
    return "".join(out)


def place_drop(doc, cx, cy, s, fill, outline=INK, sw=4, face=False):
    """A drop whose round body is centred on cx, cy, at scale s of the 100-unit drop."""
    x, y = cx - 50 * s, cy - 62 * s
    return group(drop(doc, fill, outline=outline, sw=sw, face=face),
                 transform=f"translate({x:.2f},{y:.2f}) scale({s})")


def brush(doc, paint="#9B5CFF", handle="#FF6B4A", tilt=28):
    """Unit box 100 x 140: a round paintbrush, tip down-left, above a painted swirl."""
    out = []
    # the swirl it has just painted
    sw_d = "M8 122 C22 104 36 134 52 118 S80 106 92 124"
    out.append(path(sw_d, fill="none", stroke=INK, stroke_width=15, **ROUND))
    out.append(path(sw_d, fill="none", stroke=paint, stroke_width=9, **ROUND))
    ox, oy = 58, 62

    def pt(x, y):
        a, b = _rot(x, y, tilt)
        return f"{ox + a:.2f} {oy + b:.2f}"

    hshade = doc.linear([(0, _mix(handle, "#FFFFFF", 0.4)), (0.5, handle),
                         (1, _mix(handle, INK, 0.3))], 0, 0, 1, 0)
    handle_d = (f"M{pt(-5, -58)} Q{pt(0, -64)} {pt(5, -58)} L{pt(8, 6)} L{pt(-8, 6)} Z")
    out.append(path(handle_d, fill=hshade, stroke=INK, stroke_width=4, **ROUND))
    ferr = doc.linear([(0, "#F4F7FB"), (0.5, "#B8C4D3"), (1, "#7D8A9C")], 0, 0, 1, 0)
    ferrule_d = f"M{pt(-10, 4)} L{pt(10, 4)} L{pt(9, 24)} L{pt(-9, 24)} Z"
    out.append(path(ferrule_d, fill=ferr, stroke=INK, stroke_width=4, **ROUND))
    out.append(path(f"M{pt(-9.5, 11)} L{pt(9.5, 11)}", stroke=INK, stroke_width=2, fill="none"))
    out.append(path(f"M{pt(-9.2, 17)} L{pt(9.2, 17)}", stroke=INK, stroke_width=2, fill="none"))
    bristles = (f"M{pt(-9, 24)} C{pt(-14, 38)} {pt(-6, 48)} {pt(0, 58)} "
                f"C{pt(6, 48)} {pt(14, 38)} {pt(9, 24)} Z")
    out.append(path(bristles, fill="#F2C879", stroke=INK, stroke_width=4, **ROUND))
    tip = (f"M{pt(-10.5, 36)} C{pt(-8, 44)} {pt(-5, 50)} {pt(0, 58)} "
           f"C{pt(5, 50)} {pt(8, 44)} {pt(10.5, 36)} Q{pt(0, 42)} {pt(-10.5, 36)} Z")
    out.append(path(tip, fill=paint, stroke=INK, stroke_width=3, **ROUND))
    return "".join(out)


def speaker(doc, on=True, waves=3, body="#FF8A3D"):
    """Unit box 100 x 100: a loudspeaker facing right, with sound waves when on."""
    out = []
    shade = doc.linear([(0, _mix(body, "#FFFFFF", 0.35)), (1, _mix(body, INK, 0.15))])
    out.append(rect(12, 36, 22, 28, 5, fill=shade, stroke=INK, stroke_width=4, **ROUND))
    out.append(path("M32 38 L56 16 Q60 14 60 19 L60 81 Q60 86 56 84 L32 62 Z", fill=shade,
                    stroke=INK, stroke_width=4, **ROUND))
    out.append(ellipse(44, 34, 3, 7, fill="#FFFFFF", opacity=0.55, transform="rotate(-40 44 34)"))
    if on:
        cols = ["#3DD16B", "#3DA5FF", "#9B5CFF"]
        for i in range(waves):
            r = 13 + i * 12
            a = math.radians(42)
            x0, y0 = 62 + r * math.cos(a), 50 - r * math.sin(a)
            x1, y1 = x0, 50 + r * math.sin(a)
            d = f"M{x0:.2f} {y0:.2f} A{r} {r} 0 0 1 {x1:.2f} {y1:.2f}"
            out.append(path(d, fill="none", stroke=INK, stroke_width=10, **ROUND))
            out.append(path(d, fill="none", stroke=cols[i % 3], stroke_width=5, **ROUND))
    return "".join(out)


def notes(doc, fill="#9B5CFF"):
    """Unit box 100 x 100: two beamed quavers."""
    shade = doc.linear([(0, _mix(fill, "#FFFFFF", 0.35)), (1, fill)])
    beam = path("M36 26 L86 12 L86 26 L36 40 Z", fill=shade, stroke=INK, stroke_width=4, **ROUND)
    stems = (rect(31, 28, 9, 52, 2, fill=shade, stroke=INK, stroke_width=4, **ROUND)
             + rect(81, 14, 9, 52, 2, fill=shade, stroke=INK, stroke_width=4, **ROUND))
    heads = (ellipse(26, 80, 15, 11, fill=shade, stroke=INK, stroke_width=4,
                     transform="rotate(-22 26 80)")
             + ellipse(76, 66, 15, 11, fill=shade, stroke=INK, stroke_width=4,
                       transform="rotate(-22 76 66)"))
    shine = (ellipse(21, 77, 5, 2.8, fill="#FFFFFF", opacity=0.7, transform="rotate(-22 21 77)")
             + ellipse(71, 63, 5, 2.8, fill="#FFFFFF", opacity=0.7, transform="rotate(-22 71 63)"))
    return stems + beam + heads + shine


def no_badge(cx, cy, r):
    """A red round badge with a white cross: 'switched off'."""
    k = r * 0.42
    return "".join([
        circle(cx, cy, r, fill="#FF3B3B", stroke=INK, stroke_width=3.5),
        line(cx - k, cy - k, cx + k, cy + k, stroke="#FFFFFF", stroke_width=r * 0.34, **ROUND),
        line(cx - k, cy + k, cx + k, cy - k, stroke="#FFFFFF", stroke_width=r * 0.34, **ROUND),
    ])


def eraser(doc):
    """Unit box 120 x 70: a two-tone eraser rubbing out a scribble, with crumbs."""
    out = []
    out.append(path("M8 58 C20 50 28 64 40 56", fill="none", stroke="#B9C3D2", stroke_width=4,
                    stroke_dasharray="2 7", **ROUND))
    g = []
    pink = doc.linear([(0, "#FFC2D6"), (1, "#FF7FA8")])
    blue = doc.linear([(0, "#8FD3FF"), (1, "#3DA5FF")])
    # a slab seen slightly from above: top face, front face
    g.append(path("M0 18 L70 18 L80 8 L10 8 Z", fill="#FFD9E6", stroke=INK, stroke_width=3.5, **ROUND))
    g.append(rect(0, 18, 70, 26, 3, fill=pink, stroke=INK, stroke_width=3.5, **ROUND))
    g.append(path("M70 18 L80 8 L80 34 L70 44 Z", fill="#E86A93", stroke=INK, stroke_width=3.5, **ROUND))
    g.append(path("M34 8 L58 8 L48 18 L24 18 Z", fill="#C6E9FF", stroke=INK, stroke_width=3.5, **ROUND))
    g.append(rect(24, 18, 24, 26, 0, fill=blue, stroke=INK, stroke_width=3.5, **ROUND))
    g.append(ellipse(12, 25, 6, 2.5, fill="#FFFFFF", opacity=0.7))
    out.append(group(*g, transform="translate(30,12) rotate(-14 40 26)"))
    for x, y, r in [(22, 62, 3.2), (12, 54, 2.4), (31, 66, 2.2)]:
        out.append(circle(x, y, r, fill="#FF9DBE", stroke=INK, stroke_width=1.6))
    return "".join(out)


def paper(doc):
    """Unit box 80 x 100: a clean white sheet with a turned corner and a twinkle."""
    out = [rect(14, 12, 56, 78, 4, fill=INK, opacity=0.18),
           path("M8 6 L50 6 L66 22 L66 86 Q66 90 62 90 L12 90 Q8 90 8 86 Z", fill="#FFFFFF",
                stroke=INK, stroke_width=4, **ROUND),
           path("M50 6 L50 20 Q50 22 52 22 L66 22 Z", fill="#DCEBFA", stroke=INK, stroke_width=3.5,
                **ROUND),
           sparkle(60, 74, 13, fill="#FFD93B", stroke=INK, sw=2.5),
           sparkle(26, 34, 6, fill="#9EDCFF")]
    return "".join(out)


def mini_scene(doc, x, y, w, h, sky, ground, extra):
    """A little framed picture: sky, a hill and something on it."""
    clip = doc.clip(rect(x, y, w, h, 3))
    inner = [rect(x, y, w, h, 0, fill=sky),
             ellipse(x + w * 0.35, y + h * 1.05, w * 0.75, h * 0.42, fill=ground)]
    if extra == "sun":
        inner.append(circle(x + w * 0.76, y + h * 0.28, h * 0.17, fill="#FFD93B", stroke=INK,
                            stroke_width=2))
    elif extra == "flower":
        cx, cy = x + w * 0.62, y + h * 0.45
        inner.append(line(cx, cy, cx, y + h * 0.8, stroke="#2E9E4F", stroke_width=2.5))
        for k in range(5):
            a = math.radians(k * 72)
            inner.append(circle(cx + 5 * math.cos(a), cy + 5 * math.sin(a), 4, fill="#FF7BA5",
                                stroke=INK, stroke_width=1.2))
        inner.append(circle(cx, cy, 3, fill="#FFD93B"))
    elif extra == "house":
        hx, hy = x + w * 0.5, y + h * 0.4
        inner.append(rect(hx, hy + 8, 22, 18, 0, fill="#FF9A2E", stroke=INK, stroke_width=1.8))
        inner.append(polygon([(hx - 3, hy + 9), (hx + 11, hy - 3), (hx + 25, hy + 9)],
                             fill="#FF4B4B", stroke=INK, stroke_width=1.8, stroke_linejoin="round"))
        inner.append(circle(x + w * 0.2, y + h * 0.25, h * 0.12, fill="#FFD93B"))
    return group(*inner, clip_path=clip)


def picture_stack(doc):
    """Unit box 140 x 150: three little pictures fanned out, with a big green plus."""
    out = []
    cards = [(-13, 16, 30, "#CFEAFF", "#8BD86B", "sun"), (9, 46, 22, "#FFE9F2", "#6CCB87", "flower"),
             (-2, 30, 48, "#FFF6CF", "#7ED36B", "house")]
    for angle, cx, cy, sky, ground, extra in cards:
        w, h = 84, 70
        card = [rect(3, 5, w, h, 7, fill=INK, opacity=0.2),
                rect(0, 0, w, h, 7, fill="#FFFFFF", stroke=INK, stroke_width=3.5),
                mini_scene(doc, 7, 7, w - 14, h - 14, sky, ground, extra),
                rect(7, 7, w - 14, h - 14, 3, fill="none", stroke=INK, stroke_width=1.5)]
        out.append(group(*card, transform=f"translate({cx},{cy}) rotate({angle} {w / 2} {h / 2})"))
    # the plus badge
    g = doc.linear([(0, "#6BE58E"), (1, "#21B24B")])
    out.append(circle(104, 112, 30, fill=INK, opacity=0.2, transform="translate(2,3)"))
    out.append(circle(104, 112, 30, fill=g, stroke=INK, stroke_width=4))
    out.append(path("M104 96 L104 128 M88 112 L120 112", stroke="#FFFFFF", stroke_width=10,
                    fill="none", **ROUND))
    out.append(ellipse(93, 98, 8, 4, fill="#FFFFFF", opacity=0.45, transform="rotate(-30 93 98)"))
    return "".join(out)


def arrow_left(fill="#FFFFFF", outline=INK, sw=3):
    """Unit box 40 x 40: a fat arrow pointing left."""
    return path("M4 20 L20 5 L20 13 L35 13 Q37 13 37 15 L37 25 Q37 27 35 27 L20 27 L20 35 Z",
                fill=fill, stroke=outline, stroke_width=sw, **ROUND)


def tick(stroke="#FFFFFF", sw=6):
    """Unit box 40 x 40."""
    return path("M7 21 L16 30 L33 10", fill="none", stroke=stroke, stroke_width=sw, **ROUND)


def cross(stroke="#FFFFFF", sw=6):
    """Unit box 40 x 40."""
    return path("M10 10 L30 30 M30 10 L10 30", fill="none", stroke=stroke, stroke_width=sw, **ROUND)


def globe(doc):
    """Unit box 100 x 100: the Earth with a meridian grid."""
    sea = doc.radial([(0, "#8ED8FF"), (1, "#1F86E0")], 0.38, 0.35, 0.7)
    clip = doc.clip(circle(50, 50, 40))
    land = [path("M20 30 Q30 18 44 24 Q52 30 46 40 Q40 48 30 46 Q22 54 16 46 Q12 38 20 30 Z",
                 fill="#4CD964"),
            path("M58 52 Q68 44 78 52 Q86 62 76 74 Q70 84 62 78 Q56 68 58 52 Z", fill="#4CD964"),
            path("M60 18 Q70 16 76 24 Q70 30 62 26 Z", fill="#4CD964")]
    grid = [ellipse(50, 50, 18, 40, fill="none", stroke="#FFFFFF", stroke_width=2, opacity=0.6),
            line(10, 50, 90, 50, stroke="#FFFFFF", stroke_width=2, opacity=0.6),
            line(50, 10, 50, 90, stroke="#FFFFFF", stroke_width=2, opacity=0.6),
            path("M16 30 Q50 40 84 30 M16 70 Q50 60 84 70", fill="none", stroke="#FFFFFF",
                 stroke_width=2, opacity=0.6)]
    return "".join([
        circle(50, 50, 40, fill=sea),
        group(*land, *grid, clip_path=clip),
        circle(50, 50, 40, fill="none", stroke=INK, stroke_width=5),
        ellipse(36, 30, 9, 5, fill="#FFFFFF", opacity=0.55, transform="rotate(-35 36 30)"),
    ])


def kite(doc):
    """Unit box 60 x 90: a four-coloured kite with a bowed tail."""
    top, left, right, bottom, mid = (30, 4), (6, 34), (54, 34), (30, 62), (30, 34)
    out = [path("M30 62 C20 72 42 76 30 88", fill="none", stroke=INK, stroke_width=2.5, **ROUND)]
    for (cx, cy), c in [((26, 74), "#FF4B4B"), ((32, 84), "#3DA5FF")]:
        out.append(path(f"M{cx} {cy} l-6 -4 l0 8 Z M{cx} {cy} l6 -4 l0 8 Z", fill=c, stroke=INK,
                        stroke_width=1.5, stroke_linejoin="round"))
    for a, b, c in [(top, left, "#FF4B4B"), (top, right, "#FFD93B"), (left, bottom, "#3DA5FF"),
                    (right, bottom, "#3DD16B")]:
        out.append(polygon([a, b, mid], fill=c))
    out.append(polygon([top, right, bottom, left], fill="none", stroke=INK, stroke_width=3.5,
                       stroke_linejoin="round"))
    out.append(line(30, 4, 30, 62, stroke=INK, stroke_width=2))
    out.append(line(6, 34, 54, 34, stroke=INK, stroke_width=2))
    return "".join(out)


def printer(doc):
    """Unit box 140 x 130: a friendly printer putting out a rainbow picture."""
    body = doc.linear([(0, "#9FD8FF"), (1, "#3D8EE6")])
    out = [
        # sheet going in at the back
        rect(38, 4, 64, 40, 3, fill="#FFFFFF", stroke=INK, stroke_width=3.5),
        line(48, 16, 92, 16, stroke="#C8D6E6", stroke_width=3, stroke_linecap="round"),
        line(48, 26, 84, 26, stroke="#C8D6E6", stroke_width=3, stroke_linecap="round"),
        # body
        rect(8, 36, 124, 58, 14, fill=body, stroke=INK, stroke_width=4),
        rect(20, 44, 34, 8, 4, fill="#FFFFFF", opacity=0.5),
        circle(112, 52, 5, fill="#3DD16B", stroke=INK, stroke_width=2),
        rect(24, 78, 92, 10, 5, fill=INK),
    ]
    # the printed page with a rainbow on it
    page = [rect(30, 82, 80, 46, 3, fill="#FFFFFF", stroke=INK, stroke_width=3.5),
            rainbow(70, 120, 26, 3.6, outline=None, rim=None),
            place_drop(doc, 96, 116, 0.16, "#3DA5FF", sw=6)]
    out.append(group(*page))
    return "".join(out)


def hand(fill="#FFD9B3", outline=INK, sw=2):
    """Unit box 32 x 32: a hand pointing up, its fingertip at 12, 1."""
    d = ("M10.5 1.6 Q12 0.4 13.5 1.6 L13.8 12 L15 10.4 Q16.6 9.4 17.8 10.8 L18 12.6 "
         "Q19.6 11.4 21 12.8 L21.2 14.4 Q22.8 13.4 24 14.8 L24.2 21 Q24 26 20.6 29 "
         "L12.8 29.4 Q10 27 7.4 22.6 L4.6 17.8 Q4 16 5.8 15.6 Q7.6 15.4 9 17.6 L10.4 19.4 Z")
    return path(d, fill=fill, stroke=outline, stroke_width=sw, **ROUND)


# -- colour arithmetic ---------------------------------------------------------------

def _hex(c):
    c = c.lstrip("#")
    return tuple(int(c[i:i + 2], 16) for i in (0, 2, 4))


def _mix(a, b, t):
    """Blend two #RRGGBB colours, t = 0 gives a, t = 1 gives b."""
    ra, rb = _hex(a), _hex(b)
    return "#" + "".join(f"{round(x + (y - x) * t):02X}" for x, y in zip(ra, rb))


mix = _mix


def rgb_hex(rgb):
    return "#" + "".join(f"{v:02X}" for v in rgb)
