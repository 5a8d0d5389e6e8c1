# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""Small SVG toolkit: build a picture as SVG text, let rsvg-convert rasterise it,
and hand the result to Pillow for compositing and saving.

Vector shapes give clean anti-aliased edges at every size, and rsvg-convert is
deterministic, so the same source always gives the same pixels.
"""
import io
import subprocess

from PIL import Image

import theme


def esc(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;")
            .replace(">", "&gt;").replace('"', "&quot;"))


class Doc:
    """One SVG document: shapes go into body, gradients and filters into defs."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.defs = []
        self.body = []
        self._next = 0

    def _id(self, kind):
        self._next += 1
        return f"{kind}{self._next}"

    def add(self, *parts):
        self.body.extend(parts)
        return self

    # -- paint servers -------------------------------------------------------
    @staticmethod
    def _stops(stops):
        """Stops are (offset, colour) or (offset, colour, opacity)."""
        out = []
        for st in stops:
            op = f' stop-opacity="{st[2]}"' if len(st) > 2 else ""
            out.append(f'<stop offset="{st[0]}" stop-color="{st[1]}"{op}/>')
        return "".join(out)

    def linear(self, stops, x1=0, y1=0, x2=0, y2=1, units="objectBoundingBox"):
        gid = self._id("lg")
        s = self._stops(stops)
        self.defs.append(f'<linearGradient id="{gid}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" '
                         f'gradientUnits="{units}">{s}</linearGradient>')
        return f"url(#{gid})"

    def radial(self, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None, units="objectBoundingBox"):
        gid = self._id("rg")
        s = self._stops(stops)
        f = f' fx="{fx}" fy="{fy}"' if fx is not None else ""
        self.defs.append(f'<radialGradient id="{gid}" cx="{cx}" cy="{cy}" r="{r}"{f} '
                         f'gradientUnits="{units}">{s}</radialGradient>')
        return f"url(#{gid})"

    def blur(self, sd):
        fid = self._id("bl")
        self.defs.append(f'<filter id="{fid}" x="-50%" y="-50%" width="200%" height="200%">'
                         f'<feGaussianBlur stdDeviation="{sd}"/></filter>')
        return f"url(#{fid})"

    def desaturate(self, amount):
        fid = self._id("ds")
        self.defs.append(f'<filter id="{fid}"><feColorMatrix type="saturate" values="{amount}"/>'
                         f'</filter>')
        return f"url(#{fid})"

    def clip(self, shape):
        cid = self._id("cp")
        self.defs.append(f'<clipPath id="{cid}">{shape}</clipPath>')
        return f"url(#{cid})"

    # -- output --------------------------------------------------------------
    def svg(self):
        return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.w}" height="{self.h}" '
                f'viewBox="0 0 {self.w} {self.h}"><defs>{"".join(self.defs)}</defs>'
                f'{"".join(self.body)}</svg>')

    def render(self):
        """Rasterise to an RGBA Pillow image of exactly w x h pixels."""
        png = subprocess.run(["rsvg-convert", "--format", "png"], input=self.svg().encode(),
                             capture_output=True, check=True).stdout
        img = Image.open(io.BytesIO(png)).convert("RGBA")
        assert img.size == (self.w, self.h), (img.size, self.w, self.h)
        return img


# -- shape helpers (return SVG text) ------------------------------------------

def attrs(**kw):
    out = []
    for k, v in kw.items():
        if v is None:
            continue
        out.append(f'{k.rstrip("_").replace("_", "-")}="{v}"')
    return " ".join(out)


def rect(x, y, w, h, r=0, **kw):
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{r}" ry="{r}" {attrs(**kw)}/>'


def circle(cx, cy, r, **kw):
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" {attrs(**kw)}/>'


def ellipse(cx, cy, rx, ry, **kw):
    return f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" {attrs(**kw)}/>'


def path(d, **kw):
    return f'<path d="{d}" {attrs(**kw)}/>'


def line(x1, y1, x2, y2, **kw):
    return f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" {attrs(**kw)}/>'


def polygon(points, **kw):
    pts = " ".join(f"{x},{y}" for x, y in points)
    return f'<polygon points="{pts}" {attrs(**kw)}/>'


def group(*parts, transform=None, **kw):
    t = f' transform="{transform}"' if transform else ""
    return f'<g{t} {attrs(**kw)}>{"".join(parts)}</g>'


def text(x, y, s, size, fill=theme.INK, anchor="middle", stroke=None, stroke_width=0,
         family=theme.FONT_FAMILY, weight="bold", spacing=None, **kw):
    """Text with an optional outline drawn behind the fill (sticker look)."""
    extra = ""
    if stroke:
        extra = (f' stroke="{stroke}" stroke-width="{stroke_width}" stroke-linejoin="round" '
                 f'paint-order="stroke"')
    ls = f' letter-spacing="{spacing}"' if spacing is not None else ""
    return (f'<text x="{x}" y="{y}" font-family="{family}" font-weight="{weight}" '
            f'font-size="{size}" text-anchor="{anchor}" fill="{fill}"{extra}{ls} {attrs(**kw)}>'
            f'{esc(s)}</text>')


def rainbow_text(x, y, s, size, colours=None, stroke="#FFFFFF", stroke_width=6,
                 shadow=theme.INK, anchor="middle"):
    """Each letter in the next rainbow colour, with a white rim and a dark outline."""
    colours = colours or theme.RAINBOW
    spans, k = [], 0
    for ch in s:
        if ch == " ":
            spans.append(" ")
            continue
        spans.append(f'<tspan fill="{colours[k % len(colours)]}">{esc(ch)}</tspan>')
        k += 1
    joined = "".join(spans)
    base = (f'font-family="{theme.FONT_FAMILY}" font-weight="bold" font-size="{size}" '
            f'text-anchor="{anchor}" stroke-linejoin="round" xml:space="preserve"')
    out = ""
    if shadow:
        out += (f'<text x="{x}" y="{y}" {base} fill="{shadow}" stroke="{shadow}" '
                f'stroke-width="{stroke_width + 4}">{esc(s)}</text>')
    out += (f'<text x="{x}" y="{y}" {base} fill="{stroke}" stroke="{stroke}" '
            f'stroke-width="{stroke_width}">{esc(s)}</text>')
    out += f'<text x="{x}" y="{y}" {base}>{joined}</text>'
    return out


# -- raster helpers -------------------------------------------------------------

def over(background, overlay, at=(0, 0)):
    """Composite an RGBA overlay onto a copy of an RGB(A) background."""
    base = background.convert("RGBA")
    base.alpha_composite(overlay, dest=at)
    return base


def save_jpeg(img, path, quality=None):
    """Fixed quality, full-resolution colour and no metadata: same input, same bytes."""
    img.convert("RGB").save(path, "JPEG", quality=quality or theme.JPEG_QUALITY,
                            subsampling=0, optimize=False, progressive=False)


def save_png(img, path):
    img.save(path, "PNG", optimize=False)
