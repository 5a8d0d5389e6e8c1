# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""Button faces: the rounded tiles and pills, their lit (mouse-over) form, and the
buttons of the colouring screen's right-hand column.

A button picture is an opaque rectangle laid over the screen, so every face is
drawn over the very pixels of the backdrop it will cover: the corners round the
tile then match the board behind it exactly. A lit face keeps the size of its
normal face, gains a glowing yellow rim, a brighter fill and a slightly bigger
icon.
"""
import icons
import theme
from icons import mix
from svgkit import Doc, group, rect, text, over

LIT_ZOOM = 1.08


def fit(content, unit_w, unit_h, box, zoom=1.0):
    """Centre content drawn in a unit_w x unit_h box inside box (x, y, w, h), as large as fits."""
    x, y, w, h = box
    s = min(w / unit_w, h / unit_h) * zoom
    ox = x + (w - unit_w * s) / 2
    oy = y + (h - unit_h * s) / 2
    return group(content, transform=f"translate({ox:.2f},{oy:.2f}) scale({s:.4f})")


def glow(doc, x, y, w, h, r, colour=theme.GLOW, spread=2.5):
    return rect(x - 1, y - 1, w + 2, h + 2, r + 1, fill=colour, opacity=0.95,
                filter=doc.blur(spread))


def tile(doc, x, y, w, h, r, colours, lit=False, pressed=False):
    """A rounded tile with a soft gradient and a glossy top; lit adds the yellow rim."""
    top, bottom = colours
    out = []
    if lit:
        out.append(glow(doc, x, y, w, h, r))
        top, bottom = mix(top, "#FFFFFF", 0.45), mix(bottom, "#FFFFFF", 0.2)
    elif not pressed:
        out.append(rect(x + 1, y + 2.5, w, h, r, fill=theme.SHADOW, opacity=0.22,
                        filter=doc.blur(1.6)))
    if pressed:
        fill = doc.linear([(0, bottom), (1, top)])
    else:
        fill = doc.linear([(0, top), (1, bottom)])
    edge = theme.GLOW if lit else mix(bottom, theme.INK, 0.35)
    out.append(rect(x, y, w, h, r, fill=fill, stroke=edge, stroke_width=3.5 if lit else 2))
    if pressed:
        # an inner shadow along the top edge reads as "pushed in"
        clip = doc.clip(rect(x, y, w, h, r))
        out.append(group(rect(x - 6, y - 8, w + 12, 14, 6, fill=theme.INK, opacity=0.35,
                              filter=doc.blur(3)), clip_path=clip))
        out.append(rect(x, y, w, h, r, fill="none", stroke=mix(bottom, theme.INK, 0.3),
                        stroke_width=3))
    else:
        out.append(rect(x + 4, y + 3, w - 8, h * 0.36, max(2, r * 0.7), fill="#FFFFFF",
                        opacity=0.4))
    return "".join(out)


def pill(doc, x, y, w, h, colour, lit=False, r=None):
    """A saturated candy button for words: dark outline, highlight band, yellow rim when lit."""
    r = h / 2 if r is None else r
    out = []
    base = colour
    if lit:
        out.append(glow(doc, x, y, w, h, r, spread=2))
        base = mix(colour, "#FFFFFF", 0.22)
    else:
        out.append(rect(x + 1, y + 2, w, h, r, fill=theme.SHADOW, opacity=0.25,
                        filter=doc.blur(1.2)))
    fill = doc.linear([(0, mix(base, "#FFFFFF", 0.3)), (0.55, base), (1, mix(base, theme.INK, 0.18))])
    out.append(rect(x, y, w, h, r, fill=fill, stroke=theme.GLOW if lit else theme.INK,
                    stroke_width=3 if lit else 2))
    if lit:
        out.append(rect(x + 2.5, y + 2.5, w - 5, h - 5, max(1, r - 2.5), fill="none",
                        stroke=theme.INK, stroke_width=1, opacity=0.5))
    out.append(rect(x + h * 0.3, y + h * 0.12, w - h * 0.6, h * 0.3, h * 0.15, fill="#FFFFFF",
                    opacity=0.35))
    return "".join(out)


def label(x, y, s, size, fill="#FFFFFF", anchor="middle"):
    return text(x, y, s, size, fill=fill, anchor=anchor, stroke=theme.INK,
                stroke_width=max(2.5, size * 0.16))


def face(background, draw):
    """Draw a button face (draw(doc) -> svg) over its background crop."""
    w, h = background.size
    doc = Doc(w, h)
    doc.add(draw(doc))
    return over(background, doc.render()).convert("RGB")


# -- the right-hand column of the colouring screen --------------------------------------

def _more(doc, lit):
    w, h = 160, 169
    return (tile(doc, 5, 5, w - 10, h - 12, 22, theme.TILE["more"], lit)
            + fit(icons.picture_stack(doc), 140, 150, (12, 10, w - 24, h - 22),
                  LIT_ZOOM if lit else 1))


def _rubber(doc, lit):
    return (tile(doc, 5, 5, 102, 50, 14, theme.TILE["rubber"], lit)
            + fit(icons.eraser(doc), 120, 70, (10, 6, 92, 48), LIT_ZOOM if lit else 1))


def _paper(doc, lit):
    return (tile(doc, 5, 5, 53, 50, 14, theme.TILE["paper"], lit)
            + fit(icons.paper(doc), 80, 100, (9, 8, 45, 44), LIT_ZOOM if lit else 1))


OFF_TILE = ("#F1F3F7", "#CBD2DD")


def _sound(doc, lit, on):
    t = tile(doc, 5, 4, 68, 68, 18, theme.TILE["sound"] if on else OFF_TILE, lit)
    z = LIT_ZOOM if lit else 1
    if on:
        # the waves reach further right than the box reaches left: nudge it over
        return t + fit(group(icons.speaker(doc, on=True), transform="translate(-4,0)"),
                       100, 100, (8, 7, 62, 62), z)
    dim = doc.desaturate(0.25)
    return t + fit(group(icons.speaker(doc, on=False), filter=dim) + icons.no_badge(74, 70, 17),
                   100, 100, (8, 7, 62, 62), z)


def _music(doc, lit, on):
    # the box shows 78 rows of the 79: everything stays above the last one
    t = tile(doc, 5, 4, 68, 68, 18, theme.TILE["music"] if on else OFF_TILE, lit)
    z = LIT_ZOOM if lit else 1
    if on:
        extra = icons.sparkle(14, 22, 8, fill="#FFD93B", stroke=theme.INK, sw=1.5)
        return t + fit(icons.notes(doc) + extra, 100, 100, (9, 8, 60, 60), z)
    dim = doc.desaturate(0.25)
    return t + fit(group(icons.notes(doc), filter=dim) + icons.no_badge(74, 72, 17),
                   100, 100, (9, 8, 60, 60), z)


def _tool(doc, w, h, icon, active):
    """Active: pressed into a sunny yellow tile; inactive: a plain pale tile, icon dimmed."""
    if active:
        t = tile(doc, 3, 3, w - 6, h - 7, 14, theme.TILE["tool_on"], pressed=True)
        t += rect(3, 3, w - 6, h - 7, 14, fill="none", stroke="#FF8A00", stroke_width=3)
        return t + fit(icon, 100, 140, (6, 7, w - 12, h - 15), 1.04)
    t = tile(doc, 3, 3, w - 6, h - 7, 14, theme.TILE["tool"])
    return t + group(fit(icon, 100, 140, (8, 9, w - 16, h - 19)), filter=doc.desaturate(0.35),
                     opacity=0.75)


def column_faces():
    """file name -> (control, draw function) for the right-hand column of the colouring screen."""
    return {
        "MOREIMAGES1.JPG": ("MoreImages", lambda d: _more(d, False)),
        "MOREIMAGES2.JPG": ("MoreImages", lambda d: _more(d, True)),
        "GUMICA1.JPG": ("Rubber", lambda d: _rubber(d, False)),
        "GUMICA2.JPG": ("Rubber", lambda d: _rubber(d, True)),
        "PAPIR1.JPG": ("Papir", lambda d: _paper(d, False)),
        "PAPIR2.JPG": ("Papir", lambda d: _paper(d, True)),
        "ZVUCNIK1.JPG": ("MuteWave", lambda d: _sound(d, False, True)),
        "ZVUCNIK2.JPG": ("MuteWave", lambda d: _sound(d, True, True)),
        "SOUNDOFF2.JPG": ("MuteWave", lambda d: _sound(d, False, False)),
        "SOUNDOFF1.JPG": ("MuteWave", lambda d: _sound(d, True, False)),
        "MUZIKA1.JPG": ("MusicOn", lambda d: _music(d, False, True)),
        "MUZIKA2.JPG": ("MusicOn", lambda d: _music(d, True, True)),
        "MUSICOFF2.JPG": ("MusicOn", lambda d: _music(d, False, False)),
        "MUSICOFF1.JPG": ("MusicOn", lambda d: _music(d, True, False)),
        "OLOVKA1.JPG": ("olovka", lambda d: _tool(d, 62, 81, icons.brush(d), True)),
        "OLOVKA2.JPG": ("olovka", lambda d: _tool(d, 62, 81, icons.brush(d), False)),
        "KAPLJICA1.JPG": ("kapljica", lambda d: _tool(d, 58, 81, icons.bucket(d), True)),
        "KAPLJICA2.JPG": ("kapljica", lambda d: _tool(d, 58, 81, icons.bucket(d), False)),
    }


def crop(screen, rect_):
    x, y, w, h = rect_
    return screen.crop((x, y, x + w, y + h))


def build_column(screen):
    """Every right-column face, drawn over its crop of the colouring-screen backdrop."""
    out = {}
    for name, (control, draw) in column_faces().items():
        out[name] = face(crop(screen, theme.CONTROLS[control]), draw)
    return out
