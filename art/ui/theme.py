# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""Every number the interface pictures are made from, in one place.

Positions are where the program puts each control on its screen or panel; the
pictures are cut to exactly these sizes and drawn over exactly the background
they will cover, so each button blends into what lies behind it.
"""

# -- look ------------------------------------------------------------------------
FONT_FAMILY = "Comic Neue"
FONT_FILE = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf"

INK = "#2E2550"            # outlines and dark text: a deep plum, softer than black
RAINBOW = ["#FF4B4B", "#FF9A2E", "#FFD93B", "#3DD16B", "#3DA5FF", "#9B5CFF"]
SKY_TOP = "#7CCBFF"
SKY_BOTTOM = "#CDEEFF"
CARD = "#FFFFFF"           # the white boards the controls sit on
CARD_EDGE = "#BFE3F7"
GLOW = "#FFD400"           # the rim every lit button gets
GLOW_SOFT = "#FFF3A0"
SHADOW = "#1B3A66"

# Pastel tiles behind the big icons, one colour family per button.
TILE = {
    "more": ("#E9DDFF", "#C8B0FF"),
    "rubber": ("#FFE0EC", "#FFB3CF"),
    "paper": ("#DDF3FF", "#A9DBFF"),
    "sound": ("#DFF8E6", "#A8E9BC"),
    "music": ("#FFEBD6", "#FFC78F"),
    "tool": ("#F4F6FA", "#D5DBE6"),
    "tool_on": ("#FFE45C", "#FFB020"),
}

JPEG_QUALITY = 92

# -- colouring screen ("GLAVNA.JPG", 1024 x 768) ---------------------------------------
SCREEN = (1024, 768)
CANVAS = (30, 29, 750, 600)                 # left, top, width, height
RIGHT_CARD = (797, 233, 221, 428)           # the white board behind the right column
PALETTE_CARD = (2, 667, 1020, 99)           # the white board behind the palette
LOGO_AREA = (800, 0, 217, 235)

# name: (left, top, width, height of the picture file)
CONTROLS = {
    "MoreImages": (832, 241, 160, 169),
    "Rubber": (825, 412, 112, 61),
    "Papir": (936, 412, 63, 61),
    "MuteWave": (835, 485, 78, 79),
    "MusicOn": (919, 485, 78, 79),          # the box is 78 high; the file has one more row
    "olovka": (804, 571, 62, 81),
    "kapljica": (871, 571, 58, 81),
}

# Palette: number, name, exact paint colour, left, width of the file (the box of 12 is 84 wide).
PALETTE_TOP, PALETTE_H = 675, 85
PALETTE = [
    (1, "red", (255, 0, 0), 8, 85),
    (2, "green", (52, 204, 103), 93, 84),
    (3, "yellow", (255, 255, 0), 176, 84),
    (4, "light blue", (0, 204, 255), 261, 84),
    (5, "orange", (255, 102, 0), 345, 83),
    (6, "violet", (204, 51, 255), 428, 85),
    (7, "grey", (178, 178, 178), 513, 83),
    (8, "white", (255, 255, 255), 596, 84),
    (9, "brown", (204, 103, 51), 680, 84),
    (10, "blue", (0, 0, 255), 764, 84),
    (11, "black", (30, 30, 30), 848, 84),
    (12, "pink", (255, 0, 255), 932, 86),
]
PALETTE_VISIBLE_W = 84                      # keep every swatch inside the box, even for 12

# -- gallery screen ("GALERIJA.JPG") ------------------------------------------------------
THUMB_LEFTS = [54, 198, 341, 485, 629]
THUMB_TOPS = [48, 185, 322, 459, 596]
THUMB_SIZE = (131, 122)
BACK = (30, 0, 192, 40)
GALLERY_BOARD = (40, 42, 736, 690)

# -- panels (400 x 250, drawn at 312,259 over either screen) ----------------------------
PANEL = (400, 250)
EXIT_BUTTONS = {"YES": (56, 150, 107, 50), "NO": (256, 150, 85, 50)}
INFO_BUTTONS = {"VISIT": (34, 136, 330, 62), "CTRLRZEB": (147, 203, 110, 35),
                "CLOSE": (320, 10, 73, 27)}

PRODUCT = "Rainbow Drop"
VERSION = "Version 1.0"
STUDIO = ("Tiny Kite", "STUDIO")
CREDIT = "Pictures, sounds and music by Tiny Kite Studio"

# -- pointers ----------------------------------------------------------------------------------
CANVAS_POINTER_TIP = (3, 28)                # where the paint comes out, in KANTICA8 and CETKA
RESOURCE_CURSORS = {                        # file: (size, hot spot)
    "cursor_arrow.png": (32, (0, 0)),
    "cursor_hand.png": (32, (12, 1)),
    "cursor_pipette.png": (64, (32, 32)),
    "cursor_droplet.png": (32, (16, 16)),
}
SPLASH = (560, 340)


def thumb_number(n):
    """The two-digit number in a thumbnail's file name for drawing n (1..25)."""
    r, c = divmod(n - 1, 5)
    return 1 + 18 * r + 2 * c


def thumb_rect(n):
    r, c = divmod(n - 1, 5)
    return (THUMB_LEFTS[c], THUMB_TOPS[r]) + THUMB_SIZE
