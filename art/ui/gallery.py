# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""The gallery's Back button and the 25 thumbnails, normal (white card) and lit (yellow card)."""
import os

from PIL import Image, ImageFilter

import buttons
import icons
import theme
from svgkit import Doc, circle, group, over, rect, text

# Where the scaled drawing sits on a thumbnail card, and how much the lines are
# thickened first so that they survive a six-fold reduction.
THUMB_PICTURE = (8, 15, 115, 92)
LINE_SPREAD = 3


def back_faces(screen):
    x, y, w, h = theme.BACK
    bg = screen.crop((x, y, x + w, y + h))

    def draw(doc, lit):
        out = [buttons.pill(doc, 4, 3, w - 8, h - 7, "#FF8A2E", lit)]
        z = 1.08 if lit else 1.0
        cx, cy = 24, 19.5
        out.append(circle(cx, cy, 13 * z, fill="#FFFFFF", stroke=theme.INK, stroke_width=2))
        at = f"translate({cx - 10 * z:.2f},{cy - 10 * z:.2f}) scale({0.5 * z:.3f})"
        out.append(group(icons.arrow_left(fill=theme.RAINBOW[1], sw=2.5), transform=at))
        out.append(buttons.label(w / 2 + 14, 28, "Back", 23 * z))
        return "".join(out)

    return {"BACK1.JPG": buttons.face(bg, lambda d: draw(d, False)),
            "BACK2.JPG": buttons.face(bg, lambda d: draw(d, True))}


def drawing_thumbnail(gif_path, size):
    """The drawing shrunk to size, its lines first spread a little so they stay visible."""
    img = Image.open(gif_path).convert("L")
    img = img.filter(ImageFilter.MinFilter(LINE_SPREAD))
    return img.resize(size, Image.LANCZOS).convert("RGB")


def placeholder(size):
    """Stands in for a drawing that is not there yet."""
    w, h = size
    doc = Doc(w, h)
    doc.add(rect(0, 0, w, h, 0, fill="#F4F6FA"))
    doc.add(rect(6, 6, w - 12, h - 12, 8, fill="none", stroke="#C4CCD8", stroke_width=3,
                 stroke_dasharray="8 6"))
    doc.add(text(w / 2, h / 2 + 16, "?", 48, fill="#C4CCD8"))
    return doc.render().convert("RGB")


def _card(doc, lit):
    w, h = theme.THUMB_SIZE
    px, py, pw, ph = THUMB_PICTURE
    out = []
    if lit:
        fill = doc.linear([(0, "#FFF36B"), (1, "#FFC21A")])
        out.append(rect(1.5, 1.5, w - 3, h - 3, 12, fill=fill, stroke="#FF8A00", stroke_width=3))
        out.append(rect(4, 3.5, w - 8, 5, 2.5, fill="#FFFFFF", opacity=0.6))
        out.append(rect(px - 2, py - 2, pw + 4, ph + 4, 5, fill="#FFFFFF"))
    else:
        out.append(rect(1, 1, w - 2, h - 2, 12, fill="#FFFFFF", stroke="#D9CFAE", stroke_width=2))
        out.append(rect(px - 1, py - 1, pw + 2, ph + 2, 4, fill="none", stroke="#E8EEF5",
                        stroke_width=1.5))
    return "".join(out)


def _frame_over(doc, lit):
    """Drawn over the picture: a thin rim so the drawing sits in the card, not on it."""
    px, py, pw, ph = THUMB_PICTURE
    colour = "#FF8A00" if lit else "#D7E0EA"
    return rect(px - 0.5, py - 0.5, pw + 1, ph + 1, 3, fill="none", stroke=colour, stroke_width=1.5)


def thumbnail(screen, n, picture, lit):
    x, y, w, h = theme.thumb_rect(n)
    bg = screen.crop((x, y, x + w, y + h))
    doc = Doc(w, h)
    doc.add(_card(doc, lit))
    img = over(bg, doc.render())
    px, py, pw, ph = THUMB_PICTURE
    img.paste(picture, (px, py))
    top = Doc(w, h)
    top.add(_frame_over(top, lit))
    return over(img, top.render()).convert("RGB")


def build_thumbnails(screen, picture_dir):
    """GALERIJA1BELE_xx / GALERIJA1ZUTE_xx for every drawing; a placeholder for missing ones.
    Returns (images, numbers of the drawings that were missing)."""
    out, missing = {}, []
    size = THUMB_PICTURE[2:]
    for n in range(1, 26):
        gif = os.path.join(picture_dir, f"{n:02d}.GIF")
        if os.path.exists(gif):
            pic = drawing_thumbnail(gif, size)
        else:
            pic = placeholder(size)
            missing.append(n)
        xx = theme.thumb_number(n)
        out[f"GALERIJA1BELE_{xx:02d}.JPG"] = thumbnail(screen, n, pic, lit=False)
        out[f"GALERIJA1ZUTE_{xx:02d}.JPG"] = thumbnail(screen, n, pic, lit=True)
    return out, missing
