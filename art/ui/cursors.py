# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""Mouse pointers, the program icon and the start-up splash.

Pointers get a dark outline and then a one-pixel white halo round everything, so
they stay visible on any colour, from black paint to white paper. The canvas
pointers are icon files written by ImageMagick, the only writer whose .ico files
SDL_image reads.
"""
import os
import random
import shutil
import subprocess
import tempfile

from PIL import Image, ImageFilter

import brand
import icons
import theme
from svgkit import Doc, circle, group, line, path, polygon, rainbow_text, rect, text

INK = "#141022"       # pointers want the darkest outline there is
ROUND = {"stroke_linejoin": "round", "stroke_linecap": "round"}


def with_halo(img, spread=3):
    """Put a white rim under every visible pixel of img."""
    alpha = img.getchannel("A").point(lambda a: 255 if a > 40 else 0)
    halo_a = alpha.filter(ImageFilter.MaxFilter(spread))
    halo = Image.new("RGBA", img.size, (255, 255, 255, 0))
    halo.putalpha(halo_a)
    halo.alpha_composite(img)
    return halo


def _render(size, body):
    doc = Doc(size, size)
    doc.add(body(doc))
    return doc.render()


# -- canvas pointers: the active point is theme.CANVAS_POINTER_TIP ---------------------------

def bucket_pointer(doc):
    tx, ty = theme.CANVAS_POINTER_TIP
    cx, cy = tx + 0.5, ty + 0.5
    out = []
    # the paint falls from the lip onto the active point
    out.append(path(f"M12 15 C7 17 {cx + 1} {cy - 8} {cx} {cy}", fill="none", stroke=INK,
                    stroke_width=4.2, **ROUND))
    out.append(path(f"M12 15 C7 17 {cx + 1} {cy - 8} {cx} {cy}", fill="none",
                    stroke=theme.RAINBOW[4], stroke_width=2, **ROUND))
    out.append(circle(cx, cy, 2.2, fill=theme.RAINBOW[4], stroke=INK, stroke_width=1.2))
    # a pail tipped over to the lower left
    pail = [path("M-8 -7 L-6 8 Q0 10.5 6 8 L8 -7 Z", fill="#49B6FF", stroke=INK, stroke_width=1.6,
                 **ROUND),
            path("M-7.2 -1 Q0 1.5 7.2 -1 L7 2.5 Q0 5 -6.8 2.5 Z", fill=theme.RAINBOW[2]),
            path("M-8 -7 L-6 8 Q0 10.5 6 8 L8 -7 Z", fill="none", stroke=INK, stroke_width=1.6,
                 **ROUND),
            path("M-8 -7 Q0 -10 8 -7 Q0 -4 -8 -7 Z", fill=theme.RAINBOW[4], stroke=INK,
                 stroke_width=1.4, **ROUND),
            path("M-8 -7 C-8 -13 8 -13 8 -7", fill="none", stroke=INK, stroke_width=1.4)]
    out.insert(0, group(*pail, transform="translate(20.5,13.5) rotate(-50) scale(0.86)"))
    return "".join(out)


def brush_pointer(doc):
    tx, ty = theme.CANVAS_POINTER_TIP
    cx, cy = tx + 0.5, ty + 0.5
    # drawn along the diagonal from the tip up to the top right corner
    handle = doc.linear([(0, "#FF9A6B"), (1, "#E0452A")], 0, 0, 1, 0)
    g = [
        path("M-1.6 -26 Q0 -27.5 1.6 -26 L2.6 -11 L-2.6 -11 Z", fill=handle, stroke=INK,
             stroke_width=1.4, **ROUND),
        rect(-3.2, -11.5, 6.4, 5.5, 0.8, fill="#C9D3E0", stroke=INK, stroke_width=1.3),
        path("M-3.2 -6 C-4.2 -2 -1.6 -0.4 0 0 C1.6 -0.4 4.2 -2 3.2 -6 Z", fill=theme.RAINBOW[5],
             stroke=INK, stroke_width=1.3, **ROUND),
    ]
    return group(*g, transform=f"translate({cx},{cy}) rotate(45)")


# -- resource pointers --------------------------------------------------------------------

def arrow(doc):
    fill = doc.linear([(0, "#FFFFFF"), (1, "#BFE6FF")])
    pts = [(0.6, 0.6), (0.6, 22.5), (6, 17.5), (9.6, 26.2), (13.4, 24.6), (9.8, 16.2), (17.2, 16.2)]
    return (polygon(pts, fill=fill, stroke=INK, stroke_width=1.3, stroke_linejoin="miter")
            + rect(0, 0, 1.2, 1.2, 0, fill=INK))


def hand(doc):
    return icons.hand(fill="#FFDDB8", outline=INK, sw=1.4)


def pipette(doc):
    # from the tip at the centre up to the bulb in the top right corner
    glass = doc.linear([(0, "#FFFFFF"), (1, "#D6EEFF")], 0, 0, 1, 0)
    bulb = doc.linear([(0, "#FF7BA5"), (1, "#C8327A")], 0, 0, 1, 0)
    g = [
        path("M-2.2 -3 L0 0 L2.2 -3 Z", fill=INK),
        path("M-4 -26 L4 -26 L4 -6 L1.6 -2.6 L-1.6 -2.6 L-4 -6 Z", fill=glass, stroke=INK,
             stroke_width=2, **ROUND),
        path("M-2.4 -16 L2.4 -16 L2.4 -6.6 L1 -4.4 L-1 -4.4 L-2.4 -6.6 Z", fill=theme.RAINBOW[4]),
        rect(-7, -31, 14, 6, 2.5, fill="#8C97A8", stroke=INK, stroke_width=2),
        path("M-5.5 -31 L-5.5 -38 Q-5.5 -46 0 -46 Q5.5 -46 5.5 -38 L5.5 -31 Z", fill=bulb,
             stroke=INK, stroke_width=2, **ROUND),
        line(-1.6, -24, -1.6, -8, stroke="#FFFFFF", stroke_width=1.2, stroke_linecap="round"),
    ]
    return group(*g, transform="translate(32,32) rotate(45) scale(0.88)")


def droplet(doc):
    s = 0.27
    return group(icons.drop(doc, "#3DB3FF", outline=INK, sw=5.5),
                 transform=f"translate({16 - 50 * s:.2f},{16 - 49.5 * s:.2f}) scale({s})")


RESOURCE_DRAW = {
    "cursor_arrow.png": arrow,
    "cursor_hand.png": hand,
    "cursor_pipette.png": pipette,
    "cursor_droplet.png": droplet,
}


def splash(doc):
    w, h = theme.SPLASH
    sky = doc.linear([(0, theme.SKY_TOP), (1, "#E9F8FF")])
    out = [rect(0, 0, w, h, 0, fill=theme.INK), rect(4, 4, w - 8, h - 8, 22, fill=sky)]
    out.append(brand.clouds_and_dots(random.Random(5), 4, 4, w - 8, h - 8, 40, 3, 10, opacity=0.35))
    out.append(icons.cloud(26, 38, 0.8))
    out.append(icons.cloud(440, 70, 0.7))
    out.append(brand.mark(doc, w / 2, 196, 150))
    out.append(rainbow_text(w / 2, 282, theme.PRODUCT, 66, stroke_width=9))
    out.append(text(w / 2, 318, "Let's colour!", 22, fill="#FFFFFF", stroke=theme.INK, stroke_width=5))
    for x, y, r, c in [(60, 250, 12, 2), (500, 250, 10, 0), (110, 300, 7, 4), (455, 305, 8, 5)]:
        out.append(icons.star(x, y, r, fill=theme.RAINBOW[c]))
    return "".join(out)


def convert_exe():
    exe = shutil.which("convert")
    if not exe:
        raise SystemExit("ImageMagick's convert is needed for the .ico pointers")
    return exe


def write_ico(img, path_):
    """ImageMagick turns a 32-bit PNG into a 32 x 32 ARGB icon."""
    with tempfile.TemporaryDirectory() as tmp:
        png = os.path.join(tmp, "pointer.png")
        img.save(png, "PNG")
        subprocess.run([convert_exe(), png, path_], check=True)


def build(picture_dir, resource_dir):
    """Writes the two canvas .ico pointers and every resource picture; returns their names."""
    written = []
    for name, draw in (("KANTICA8.ICO", bucket_pointer), ("CETKA.ICO", brush_pointer)):
        write_ico(with_halo(_render(32, draw)), os.path.join(picture_dir, name))
        written.append(os.path.join(picture_dir, name))
    for name, draw in RESOURCE_DRAW.items():
        size, _hot = theme.RESOURCE_CURSORS[name]
        p = os.path.join(resource_dir, name)
        with_halo(_render(size, draw)).save(p, "PNG")
        written.append(p)
    for size in (32, 256):
        doc = Doc(size, size)
        doc.add(brand.app_icon(doc, size))
        p = os.path.join(resource_dir, f"icon{size}.png")
        doc.render().save(p, "PNG")
        written.append(p)
    w, h = theme.SPLASH
    doc = Doc(w, h)
    doc.add(splash(doc))
    p = os.path.join(resource_dir, "splash.png")
    doc.render().save(p, "PNG")
    written.append(p)
    return written
