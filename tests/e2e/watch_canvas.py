#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Watches the canvas (750 x 600 at 30, 29) on the X display straight through
Xlib, a few milliseconds a look, so that a wipe can be followed even on a
busy machine where a screenshot program takes far longer to start.

  watch_canvas.py SECONDS READY_FILE

Takes the canvas as it is now, marks its dark (outline) pixels, creates
READY_FILE, and then for SECONDS prints "time share" whenever the share of
those pixels shown white changes (time in seconds from the start). A wipe
reads 0, rising shares, then 0 again once the drawing is back.
"""
import ctypes
import sys
import time

LEFT, TOP, W, H = 30, 29, 750, 600


class XImage(ctypes.Structure):
    _fields_ = [
        ("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int), ("format", ctypes.c_int),
        ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
        ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
        ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong),
    ]


def main():
    seconds, ready = float(sys.argv[1]), sys.argv[2]
    x = ctypes.cdll.LoadLibrary("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XGetImage.restype = ctypes.POINTER(XImage)
    x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                            ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x.XGetSubImage.restype = ctypes.POINTER(XImage)
    x.XGetSubImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                               ctypes.c_uint, ctypes.c_ulong, ctypes.c_int, ctypes.POINTER(XImage),
                               ctypes.c_int, ctypes.c_int]
    dpy = x.XOpenDisplay(None)
    if not dpy:
        sys.exit("no X display")
    root = x.XDefaultRootWindow(dpy)
    all_planes, z_pixmap = ctypes.c_ulong(-1).value, 2
    image = x.XGetImage(dpy, root, LEFT, TOP, W, H, all_planes, z_pixmap)
    if not image or image.contents.bits_per_pixel != 32:
        sys.exit("expected a 32-bit image of the screen")
    bpl = image.contents.bytes_per_line

    def look():
        x.XGetSubImage(dpy, root, LEFT, TOP, W, H, all_planes, z_pixmap, image, 0, 0)
        return ctypes.string_at(image.contents.data, bpl * H)

    before = look()
    outline = [y * bpl + 4 * px for y in range(H) for px in range(W)
               if max(before[y * bpl + 4 * px: y * bpl + 4 * px + 3]) < 64]
    if not outline:
        sys.exit("no outline on the canvas")
    outline = outline[:: max(1, len(outline) // 6000)]
    open(ready, "w").close()

    start = time.monotonic()
    last = None
    while time.monotonic() - start < seconds:
        frame = look()
        white = sum(1 for i in outline if frame[i] == 255 and frame[i + 1] == 255 and frame[i + 2] == 255)
        share = round(white / len(outline), 3)
        if share != last:
            print(f"{time.monotonic() - start:.3f} {share}", flush=True)
            last = share


main()
