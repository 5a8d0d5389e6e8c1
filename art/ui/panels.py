# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""The three 400 x 250 panels (stop colouring?, about, printing) and the buttons
that lie on them, each button drawn over its own patch of its panel."""
from PIL import ImageFont

import buttons
import icons
import theme
from svgkit import Doc, circle, group, rect, rainbow_text, text

W, H = theme.PANEL
_FONT_CACHE = {}


def text_width(s, size):
    """Width of s in the interface font, for laying out rows of words."""
    font = _FONT_CACHE.setdefault(size, ImageFont.truetype(theme.FONT_FILE, size))
    return font.getlength(s)


def _panel_base(doc, tint="#E3F4FF"):
    """Square outer corners (the panel is an opaque rectangle over any screen), a rounded
    inner board, and a rainbow ribbon along the bottom."""
    out = [rect(0, 0, W, H, 0, fill=theme.INK),
           rect(3, 3, W - 6, H - 6, 14, fill=doc.linear([(0, "#FFFFFF"), (1, tint)]))]
    clip = doc.clip(rect(3, 3, W - 6, H - 6, 14))
    bands = [rect(0, H - 11 + i * 1.5, W, 1.9, 0, fill=c) for i, c in enumerate(theme.RAINBOW)]
    out.append(group(*bands, clip_path=clip))
    out.append(rect(3, 3, W - 6, H - 6, 14, fill="none", stroke="#FFFFFF", stroke_width=2,
                    opacity=0.8))
    return "".join(out)


def exit_panel(doc):
    out = [_panel_base(doc, "#FFF1DA")]
    out.append(text(150, 66, "Stop", 44, fill=theme.RAINBOW[4], stroke=theme.INK, stroke_width=7))
    out.append(text(150, 114, "colouring?", 42, fill=theme.RAINBOW[5], stroke=theme.INK,
                    stroke_width=7))
    # the mascot, with a speech bubble asking the question in a picture
    out.append(icons.place_drop(doc, 336, 98, 0.92, "#3DB3FF", face=True, sw=4.5))
    bubble = [circle(368, 30, 17, fill="#FFFFFF", stroke=theme.INK, stroke_width=2.5),
              circle(350, 48, 4, fill="#FFFFFF", stroke=theme.INK, stroke_width=2),
              text(368, 40, "?", 26, fill=theme.RAINBOW[0])]
    out.extend(bubble)
    out.append(icons.star(290, 32, 9, fill=theme.RAINBOW[2], sw=2))
    out.append(icons.star(282, 132, 6, fill=theme.RAINBOW[0], sw=1.8))
    return "".join(out)


def info_panel(doc):
    out = [_panel_base(doc)]
    out.append(icons.place_drop(doc, 36, 34, 0.42, "#3DB3FF", face=True, sw=5))
    out.append(rainbow_text(62, 44, theme.PRODUCT, 35, stroke_width=5, anchor="start"))
    out.append(text(62, 70, theme.VERSION, 17, fill=theme.INK, anchor="start"))
    out.append(text(W / 2, 91, theme.CREDIT, 13, fill="#5B5380", weight="bold"))
    # the three keys, laid out evenly across the panel
    keys = [("Ctrl+P", "print"), ("Ctrl+X", "quit"), ("Ctrl+R", "this panel")]
    size, gap = 13, 5
    cap_w = [text_width(k, size) + 12 for k, _ in keys]
    lab_w = [text_width(l, size) for _, l in keys]
    chip_w = [c + gap + l for c, l in zip(cap_w, lab_w)]
    spare = (W - 24 - sum(chip_w)) / (len(keys) - 1)
    x = 12
    for (k, l), cw, w in zip(keys, cap_w, chip_w):
        out.append(rect(x, 102, cw, 24, 5, fill="#C9D2E3"))
        out.append(rect(x, 100, cw, 22, 5, fill="#FFFFFF", stroke=theme.INK, stroke_width=1.5))
        out.append(text(x + cw / 2, 116, k, size, fill=theme.INK))
        out.append(text(x + cw + gap, 116, l, size, fill="#5B5380", anchor="start"))
        x += w + spare
    out.append(icons.star(40, 222, 8, fill=theme.RAINBOW[2], sw=2))
    out.append(icons.star(78, 212, 5, fill=theme.RAINBOW[4], sw=1.6))
    out.append(icons.star(330, 218, 7, fill=theme.RAINBOW[0], sw=2))
    out.append(icons.star(362, 208, 5, fill=theme.RAINBOW[5], sw=1.6))
    return "".join(out)


def printing_panel(doc):
    out = [_panel_base(doc, "#E6FFF0")]
    out.append(group(icons.printer(doc), transform="translate(18,40) scale(1.1)"))
    out.append(text(290, 104, "Printing your", 31, fill=theme.RAINBOW[4], stroke=theme.INK,
                    stroke_width=6))
    out.append(text(290, 146, "picture...", 31, fill=theme.RAINBOW[3], stroke=theme.INK,
                    stroke_width=6))
    out.append(icons.sparkle(196, 34, 10, fill="#FFD93B", stroke=theme.INK, sw=1.5))
    return "".join(out)


# -- the buttons on the panels ----------------------------------------------------------

def _yes(doc, lit, w, h):
    z = 1.06 if lit else 1
    return (buttons.pill(doc, 4, 4, w - 8, h - 9, "#2EC760", lit)
            + circle(28, 24.5, 13 * z, fill="#FFFFFF", stroke=theme.INK, stroke_width=2)
            + group(icons.tick(stroke="#21B24B", sw=7),
                    transform=f"translate({28 - 10 * z:.2f},{24.5 - 10 * z:.2f}) scale({0.5 * z:.3f})")
            + buttons.label(71, 33, "Yes", 24 * z))


def _no(doc, lit, w, h):
    z = 1.06 if lit else 1
    return (buttons.pill(doc, 4, 4, w - 8, h - 9, "#FF4B4B", lit)
            + circle(26, 24.5, 13 * z, fill="#FFFFFF", stroke=theme.INK, stroke_width=2)
            + group(icons.cross(stroke="#E53030", sw=7),
                    transform=f"translate({26 - 8 * z:.2f},{24.5 - 8 * z:.2f}) scale({0.4 * z:.3f})")
            + buttons.label(59, 33, "No", 24 * z))


def _visit(doc, lit, w, h):
    z = 1.06 if lit else 1
    return (buttons.pill(doc, 4, 4, w - 8, h - 10, "#3DA5FF", lit, r=22)
            + buttons.fit(icons.globe(doc), 100, 100, (12, 6, 46, 46), z)
            + buttons.label(190, 38, "Visit our web site", 25 * z))


def _studio(doc, lit, w, h):
    fill = "#FFFBE0" if lit else "#FFFFFF"
    out = []
    if lit:
        out.append(buttons.glow(doc, 3, 3, w - 6, h - 6, 9, spread=1.8))
    out.append(rect(3, 3, w - 6, h - 6, 9, fill=fill, stroke=theme.GLOW if lit else "#B9B2D6",
                    stroke_width=2.5 if lit else 1.5))
    z = 1.08 if lit else 1
    out.append(buttons.fit(icons.kite(doc), 60, 90, (7, 5, 20, 26), z))
    out.append(text(31, 19, theme.STUDIO[0], 16, fill=theme.INK, anchor="start"))
    out.append(text(32, 29, theme.STUDIO[1], 8.5, fill=theme.RAINBOW[1] if lit else "#7A72A0",
                    anchor="start", spacing=3.2))
    return "".join(out)


def _close(doc, lit, w, h):
    z = 1.06 if lit else 1
    return (buttons.pill(doc, 3, 3, w - 6, h - 6, "#9B7BFF", lit)
            + group(icons.cross(stroke="#FFFFFF", sw=8),
                    transform=f"translate({15 - 6 * z:.2f},{13.5 - 6 * z:.2f}) scale({0.3 * z:.3f})")
            + buttons.label(43, 18.5, "Close", 13.5 * z))


PANELS = {
    "CTRLX.JPG": (exit_panel, {"YES": _yes, "NO": _no}, theme.EXIT_BUTTONS),
    "CTRL-R.JPG": (info_panel, {"VISIT": _visit, "CTRLRZEB": _studio, "CLOSE": _close},
                   theme.INFO_BUTTONS),
    "PRINTING.JPG": (printing_panel, {}, {}),
}


def build():
    """{file name: image} for the panels and both faces of every button on them."""
    out = {}
    for name, (draw_panel, faces, rects) in PANELS.items():
        doc = Doc(W, H)
        doc.add(draw_panel(doc))
        panel = doc.render().convert("RGB")
        out[name] = panel
        for key, draw in faces.items():
            x, y, w, h = rects[key]
            bg = panel.crop((x, y, x + w, y + h))
            for state, lit in (("1", False), ("2", True)):
                out[f"{key}{state}.JPG"] = buttons.face(
                    bg, lambda d, draw=draw, lit=lit, w=w, h=h: draw(d, lit, w, h))
    return out
