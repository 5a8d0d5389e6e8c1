#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The program starts, shows drawing 1, fills an area red, and the brush draws
# a line; the outline stays black.
source "$(dirname "$0")/lib.sh" "$1"
e2e_start
shot "$E2E_TMP/start.png"
# A white area inside drawing 1 and a black outline pixel of it, found from the file itself.
read -r WX WY BX BY < <(/usr/bin/python3 "$E2E_DIR/find_area.py" "$PROG/PICTURE/01.GIF")
expect_pixel "$E2E_TMP/start.png" $((30 + WX)) $((29 + WY)) "255,255,255" "drawing 1 is shown"
expect_pixel "$E2E_TMP/start.png" $((30 + BX)) $((29 + BY)) "0,0,0" "drawing 1's outline is shown"

click $((30 + WX)) $((29 + WY))
shot "$E2E_TMP/filled.png"
expect_pixel "$E2E_TMP/filled.png" $((30 + WX)) $((29 + WY)) "255,0,0" "a click fills the area red"
expect_pixel "$E2E_TMP/filled.png" $((30 + BX)) $((29 + BY)) "0,0,0" "the outline stays black"

# The brush in blue across the red area: choose blue and the brush, then drag.
click 806 717
click 835 611
e2e_blue_brush_line $((30 + WX)) $((29 + WY))
expect_pixel "$E2E_TMP/brush.png" $((30 + BX)) $((29 + BY)) "0,0,0" "the outline is still black"
echo "1 passed, 0 failed"
