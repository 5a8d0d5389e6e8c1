# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Asks the window manager to close a window (_NET_CLOSE_WINDOW), as its close
button or menu would; the manager then sends the window WM_DELETE_WINDOW.

usage: close_request.py WINDOW_ID
"""
import ctypes
import ctypes.util
import sys


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


def main(argv):
    x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(XEvent)]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x.XOpenDisplay(None)
    if not display:
        sys.exit("cannot open the display")
    root = x.XDefaultRootWindow(display)
    event = XEvent()
    event.xclient.type = 33  # ClientMessage
    event.xclient.send_event = 1
    event.xclient.window = int(argv[1], 0)
    event.xclient.message_type = x.XInternAtom(display, b"_NET_CLOSE_WINDOW", 0)
    event.xclient.format = 32
    event.xclient.data[0] = 0  # timestamp: now
    event.xclient.data[1] = 2  # source: a pager or similar tool
    substructure_redirect_and_notify = (1 << 20) | (1 << 19)
    if not x.XSendEvent(display, root, 0, substructure_redirect_and_notify, ctypes.byref(event)):
        sys.exit("the request could not be sent")
    x.XFlush(display)
    x.XCloseDisplay(display)


if __name__ == "__main__":
    main(sys.argv)
